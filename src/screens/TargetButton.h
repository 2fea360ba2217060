#pragma once

#include <QAbstractButton>
#include <QPointer>

namespace kelvora {

class Shape;

// The keyboard's and the screen reader's way to a place on the photograph: an
// accessible button over a mark, named by the author's words. It draws nothing
// but its focus ring (white on black, square, outside the mark, so it never
// looks like the yellow mark), takes no mouse press, and on Space or Enter asks
// for a press in the middle of its mark.
class TargetButton : public QAbstractButton {
    Q_OBJECT
public:
    TargetButton(Shape &mark, const QString &name, bool focusable);

    Shape *mark() const { return m_mark; }
    void setName(const QString &name);
    // The middle of the mark, in the coordinates of the mark's parent.
    QPointF middle() const;

signals:
    void triggered();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool hitButton(const QPoint &) const override { return false; }

private:
    QPointer<Shape> m_mark;
};

} // namespace kelvora
