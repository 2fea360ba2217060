#pragma once

#include <QFrame>
#include <QImage>

namespace kelvora {

// A picture box: shows a content picture unscaled from its inner top-left
// corner, swallows the presses that land on it and reports them relative to
// that corner. Controls placed in it are children of canvas(), so their
// rectangles are in the same inner coordinates.
class PictureBox : public QFrame {
    Q_OBJECT
public:
    PictureBox(QWidget *parent, const QString &name, const QRect &rect, int borderWidth = 0);

    void setPicture(const QString &name); // throws RuntimeError
    // From now on pictures of any size are fitted whole into the box (letterboxed) as they are read.
    void fitPictures() { m_fitPictures = true; }
    const QString &pictureName() const { return m_pictureName; }
    QWidget *canvas() const;

signals:
    void pressed(QPointF position);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    class Canvas;
    Canvas *m_canvas;
    QString m_pictureName;
    bool m_fitPictures = false;
};

} // namespace kelvora
