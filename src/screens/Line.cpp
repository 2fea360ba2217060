#include "Line.h"

#include <QPainter>

namespace kelvora {

Line::Line(QWidget *parent, const QString &name, const QLine &line, const QColor &color, int width)
    : QWidget(parent), m_color(color), m_width(width)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Room for the pen's width around both end points.
    const QRect bounds = QRect(line.p1(), line.p2()).normalized().adjusted(-width, -width, width, width);
    setGeometry(bounds);
    m_line = line.translated(-bounds.topLeft());
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(m_color, m_width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(m_line);
}

} // namespace kelvora
