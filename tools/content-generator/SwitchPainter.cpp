#include "SwitchPainter.h"

#include "PaintKit.h"
#include "PanelStyle.h"

#include <QPainterPath>

namespace kelvora::content {

using namespace PaintKit;

void SwitchPainter::toggle(const SceneControl &control)
{
    toggleLever(centredSquare(control.place, 0.86), control.state);
}

// The bat-handle lever seen from above and in front: it leans towards the
// position it is set to, so up and down read at a glance.
void SwitchPainter::toggleLever(QRectF square, int state)
{
    const qreal side = square.width();
    const QPointF centre = square.center();
    // Hex nut and its collar.
    m_painter.setPen(QPen(PanelStyle::plateEdge, 1));
    m_painter.setBrush(roundMetal(centre, side * 0.3, PanelStyle::metal, PanelStyle::metalDark.darker(150)));
    m_painter.drawEllipse(centre, side * 0.24, side * 0.24);
    m_painter.setBrush(PanelStyle::bezel);
    m_painter.drawEllipse(centre, side * 0.13, side * 0.13);

    const qreal reach = state == 2 ? side * 0.05 : side * 0.5;
    const QPointF tip = centre + QPointF(0, state == 1 ? -reach : reach);
    // Shadow of the lever on the panel, then the lever, then its rounded tip.
    m_painter.setPen(QPen(QColor(0, 0, 0, 110), side * 0.16, Qt::SolidLine, Qt::RoundCap));
    m_painter.drawLine(centre + QPointF(3, 3), tip + QPointF(4, 4));
    m_painter.setPen(QPen(linearMetal(centre - QPointF(side * 0.08, 0), centre + QPointF(side * 0.08, 0),
                                      PanelStyle::metal, PanelStyle::metalDark),
                          side * 0.17, Qt::SolidLine, Qt::RoundCap));
    m_painter.drawLine(centre, tip);
    const qreal tipRadius = state == 2 ? side * 0.15 : side * 0.13;
    m_painter.setPen(QPen(PanelStyle::plateEdge, 1));
    m_painter.setBrush(roundMetal(tip, tipRadius, QColor(250, 250, 252), PanelStyle::metalDark));
    m_painter.drawEllipse(tip, tipRadius, tipRadius);
}

void SwitchPainter::guarded(const SceneControl &control)
{
    const QRectF square = centredSquare(control.place, 0.74);
    toggleLever(square, control.state == 2 ? 1 : 0);
    const QRectF cover = centredRect(square.center(), square.width() * 0.78, square.height() * 1.05);
    m_painter.setPen(QPen(PanelStyle::guardRed.darker(170), 1.5));
    if (control.state == 0) {
        // Closed over the switch: a red box with its hinge at the top.
        dropShadow(m_painter, cover, 6);
        m_painter.setBrush(linearMetal(cover.topLeft(), cover.bottomRight(), PanelStyle::guardRed.lighter(130),
                                       PanelStyle::guardRed.darker(140)));
        m_painter.drawRoundedRect(cover, 6, 6);
        m_painter.setPen(QPen(PanelStyle::guardRed.darker(180), 2));
        for (int stripe = 1; stripe <= 3; ++stripe) {
            const qreal y = cover.top() + cover.height() * (0.25 + 0.2 * stripe);
            m_painter.drawLine(QPointF(cover.left() + 6, y), QPointF(cover.right() - 6, y));
        }
    } else {
        // Swung up on its hinge: only its lower edge and sides show above the switch.
        const QRectF edge(cover.left(), square.top() - square.height() * 0.32, cover.width(), square.height() * 0.3);
        m_painter.setBrush(PanelStyle::guardRed.darker(125));
        m_painter.drawRoundedRect(edge, 4, 4);
        m_painter.setBrush(PanelStyle::guardRed.lighter(120));
        m_painter.drawRect(QRectF(edge.left(), edge.bottom() - 5, edge.width(), 5));
    }
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(PanelStyle::metalDark);
    m_painter.drawRect(QRectF(cover.left() - 3, cover.top() - 2, cover.width() + 6, 4)); // hinge
}

void SwitchPainter::rocker(const SceneControl &control)
{
    const QRectF area = QRectF(control.place).adjusted(4, 6, -4, -6);
    const int count = std::max<int>(2, static_cast<int>(control.positions.size()));
    dropShadow(m_painter, area, 4, 2);
    m_painter.setPen(QPen(PanelStyle::plateEdge, 1.5));
    m_painter.setBrush(PanelStyle::bezel);
    m_painter.drawRoundedRect(area, 4, 4);
    // The rocker paddle lies over the position it is set to.
    const qreal cell = area.width() / count;
    const QRectF paddle(area.left() + cell * control.state + 2, area.top() + 2, cell - 4, area.height() - 4);
    m_painter.setBrush(linearMetal(paddle.topLeft(), paddle.bottomLeft(), QColor(120, 124, 132), QColor(40, 42, 46)));
    m_painter.drawRoundedRect(paddle, 3, 3);
    m_painter.setFont(PanelStyle::font(std::clamp(static_cast<int>(area.height() * 0.38), 8, 11)));
    for (int i = 0; i < control.positions.size(); ++i) {
        const QRectF slot(area.left() + cell * i, area.top(), cell, area.height());
        m_painter.setPen(i == control.state ? QColor(255, 255, 255) : QColor(150, 150, 150));
        m_painter.drawText(slot, Qt::AlignCenter, control.positions.at(i));
    }
}

void SwitchPainter::pushButton(const SceneControl &control)
{
    const QRectF cap = centredSquare(control.place, 0.72);
    dropShadow(m_painter, cap, 5, 2);
    m_painter.setPen(QPen(PanelStyle::plateEdge, 1.5));
    m_painter.setBrush(PanelStyle::bezel);
    m_painter.drawRoundedRect(cap.adjusted(-3, -3, 3, 3), 6, 6);
    const bool lit = control.state > 0;
    const QColor face = lit ? control.colour : QColor(46, 50, 48);
    if (lit)
        glow(m_painter, cap.center(), cap.width() * 0.95, control.colour);
    m_painter.setBrush(linearMetal(cap.topLeft(), cap.bottomLeft(), face.lighter(lit ? 115 : 140), face.darker(130)));
    m_painter.drawRoundedRect(cap, 4, 4);
    m_painter.setPen(lit ? QColor(20, 30, 20) : QColor(150, 156, 150));
    m_painter.setFont(PanelStyle::font(std::clamp(static_cast<int>(cap.height() * 0.28), 7, 12)));
    m_painter.drawText(cap, Qt::AlignCenter, control.label);
}

// A knob position's name just outside the dial, running away from the knob so
// that long names on the sides clear its skirt.
void SwitchPainter::positionName(QPointF centre, qreal distance, qreal degrees, const QString &name)
{
    const QPointF at = polar(centre, distance, degrees);
    const qreal side = std::sin(qDegreesToRadians(degrees));
    constexpr qreal Width = 60;
    constexpr qreal Height = 14;
    if (side > 0.4)
        m_painter.drawText(QRectF(at.x(), at.y() - Height / 2, Width, Height), Qt::AlignLeft | Qt::AlignVCenter, name);
    else if (side < -0.4)
        m_painter.drawText(QRectF(at.x() - Width, at.y() - Height / 2, Width, Height), Qt::AlignRight | Qt::AlignVCenter,
                           name);
    else
        m_painter.drawText(centredRect(at - QPointF(0, Height / 2 - 2), Width, Height), Qt::AlignCenter, name);
}

void SwitchPainter::rotary(const SceneControl &control)
{
    const QRectF square = centredSquare(control.place, control.positions.size() > 2 ? 0.7 : 0.86);
    const QPointF centre = square.center();
    const qreal radius = square.width() / 2;
    const int count = static_cast<int>(control.positions.size());
    // Detents spread over the upper arc, clockwise from the first.
    const qreal span = count > 4 ? 250 : 120;
    auto angleOf = [&](int i) { return count < 2 ? 0.0 : -span / 2 + span * i / (count - 1); };

    m_painter.setFont(PanelStyle::font(std::clamp(static_cast<int>(radius * 0.42), 8, 11)));
    for (int i = 0; i < count; ++i) {
        m_painter.setPen(QPen(PanelStyle::dialMarks, 2));
        m_painter.drawLine(polar(centre, radius * 1.08, angleOf(i)), polar(centre, radius * 1.22, angleOf(i)));
        if (control.positions.at(i).isEmpty())
            continue;
        m_painter.setPen(i == control.state ? QColor(255, 255, 255) : PanelStyle::legend.darker(125));
        positionName(centre, radius * 1.3 + 3, angleOf(i), control.positions.at(i));
    }
    // Skirt, then the bar-shaped pointer knob lying along its setting.
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(QColor(0, 0, 0, 100));
    m_painter.drawEllipse(centre + QPointF(3, 3), radius, radius);
    m_painter.setPen(QPen(PanelStyle::plateEdge, 1));
    m_painter.setBrush(roundMetal(centre, radius, QColor(90, 92, 98), PanelStyle::knob));
    m_painter.drawEllipse(centre, radius, radius);
    const qreal angle = angleOf(std::clamp(control.state, 0, std::max(0, count - 1)));
    m_painter.save();
    m_painter.translate(centre);
    m_painter.rotate(angle);
    const QRectF bar(-radius * 0.34, -radius * 1.02, radius * 0.68, radius * 1.7);
    m_painter.setPen(QPen(QColor(0, 0, 0), 1));
    m_painter.setBrush(linearMetal(bar.topLeft(), bar.topRight(), QColor(84, 86, 92), QColor(14, 14, 16)));
    m_painter.drawRoundedRect(bar, radius * 0.3, radius * 0.3);
    m_painter.setPen(QPen(QColor(245, 245, 245), std::max<qreal>(2, radius * 0.12), Qt::SolidLine, Qt::RoundCap));
    m_painter.drawLine(QPointF(0, -radius * 0.9), QPointF(0, -radius * 0.2));
    m_painter.restore();
}

} // namespace kelvora::content
