#include "Shape.h"

#include <QPainter>

namespace kelvora {

namespace {
constexpr int OutlineWidth = 3;
constexpr int SteadyOutlineWidth = 6;
}

Shape::Shape(QWidget *parent, const QString &name, const QRect &rect, Kind kind, const QColor &border, bool visible)
    : QWidget(parent), m_kind(kind), m_border(border)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(rect);
    setVisible(visible);
}

void Shape::setFill(const QColor &fill)
{
    m_fill = fill;
    update();
}

void Shape::setSteady(bool steady)
{
    if (steady != m_steady) {
        m_steady = steady;
        update();
    }
}

void Shape::setConcealed(bool concealed)
{
    m_concealed = concealed;
    if (concealed)
        hide();
}

void Shape::setVisible(bool visible)
{
    QWidget::setVisible(visible && !m_concealed);
}

bool Shape::hits(QPointF press) const
{
    const QRect r = geometry();
    const float x = static_cast<float>(press.x());
    const float y = static_cast<float>(press.y());
    const float left = static_cast<float>(r.x());
    const float top = static_cast<float>(r.y());
    const float right = left + static_cast<float>(r.width());
    const float bottom = top + static_cast<float>(r.height());
    return x > left && x < right && y > top && y < bottom;
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool filled = m_fill.isValid();
    const qreal penWidth = filled ? 1.0 : m_steady ? SteadyOutlineWidth : OutlineWidth;
    painter.setPen(QPen(filled ? QColor(Qt::black) : m_border, penWidth));
    painter.setBrush(filled ? QBrush(m_fill) : QBrush(Qt::NoBrush));

    QRectF figure = QRectF(rect()).adjusted(penWidth / 2, penWidth / 2, -penWidth / 2, -penWidth / 2);
    if (m_kind == Kind::Circle || m_kind == Kind::RoundedSquare) {
        const qreal side = std::min(figure.width(), figure.height());
        figure = QRectF(figure.center() - QPointF(side / 2, side / 2), QSizeF(side, side));
    }
    if (m_kind == Kind::RoundedSquare)
        painter.drawRoundedRect(figure, figure.width() / 8, figure.height() / 8);
    else if (m_kind == Kind::Rectangle)
        painter.drawRect(figure);
    else
        painter.drawEllipse(figure);
}

} // namespace kelvora
