#pragma once

#include <QColor>
#include <QLine>
#include <QWidget>

namespace kelvora {

// A straight line drawn over a picture, end points in its parent's coordinates.
// Like a Shape it only draws: presses pass through it.
class Line : public QWidget {
    Q_OBJECT
public:
    Line(QWidget *parent, const QString &name, const QLine &line, const QColor &color, int width);

    QLine line() const { return m_line.translated(pos()); }
    QColor color() const { return m_color; }
    int width() const { return m_width; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLine m_line; // in the widget's own coordinates
    QColor m_color;
    int m_width;
};

} // namespace kelvora
