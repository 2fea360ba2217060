#pragma once

#include <QColor>
#include <QPainter>
#include <QRadialGradient>
#include <QRectF>
#include <QtMath>

#include <algorithm>

// Small drawing helpers the control painters share.
namespace kelvora::content::PaintKit {

inline QRectF centredSquare(QRectF area, qreal scale = 1.0)
{
    const qreal side = std::min(area.width(), area.height()) * scale;
    QRectF square(0, 0, side, side);
    square.moveCenter(area.center());
    return square;
}

inline QRectF centredRect(QPointF centre, qreal width, qreal height)
{
    return {centre.x() - width / 2, centre.y() - height / 2, width, height};
}

// A point at angle degrees clockwise from straight up.
inline QPointF polar(QPointF centre, qreal radius, qreal degrees)
{
    const qreal radians = qDegreesToRadians(degrees);
    return centre + QPointF(radius * std::sin(radians), -radius * std::cos(radians));
}

// Light falls from the upper left: a lit rim there, a shadowed one below right.
inline void bevel(QPainter &painter, const QRectF &rect, qreal radius, QColor light, QColor dark)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(dark, 2));
    painter.drawRoundedRect(rect.translated(0.8, 0.8), radius, radius);
    painter.setPen(QPen(light, 1.2));
    painter.drawRoundedRect(rect.translated(-0.6, -0.6), radius, radius);
    painter.restore();
}

// A soft shadow cast down and to the right.
inline void dropShadow(QPainter &painter, const QRectF &rect, qreal radius, qreal offset = 3)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int step = 3; step >= 1; --step) {
        painter.setBrush(QColor(0, 0, 0, 40));
        const qreal grow = step * 1.5;
        painter.drawRoundedRect(rect.translated(offset, offset).adjusted(-grow, -grow, grow, grow), radius + grow,
                                radius + grow);
    }
    painter.restore();
}

// The halo of a lit lamp on the panel around it.
inline void glow(QPainter &painter, QPointF centre, qreal radius, QColor colour)
{
    QRadialGradient halo(centre, radius);
    QColor inner = colour;
    inner.setAlpha(110);
    QColor outer = colour;
    outer.setAlpha(0);
    halo.setColorAt(0, inner);
    halo.setColorAt(1, outer);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(halo);
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

// A round metal body lit from the upper left.
inline QBrush roundMetal(QPointF centre, qreal radius, QColor light, QColor dark)
{
    QRadialGradient gradient(centre, radius, centre - QPointF(radius * 0.4, radius * 0.4));
    gradient.setColorAt(0, light);
    gradient.setColorAt(1, dark);
    return gradient;
}

inline QBrush linearMetal(QPointF from, QPointF to, QColor light, QColor dark)
{
    QLinearGradient gradient(from, to);
    gradient.setColorAt(0, light);
    gradient.setColorAt(0.5, light.darker(130));
    gradient.setColorAt(1, dark);
    return gradient;
}

} // namespace kelvora::content::PaintKit
