#include "HandlePainter.h"

#include "PaintKit.h"
#include "PanelStyle.h"

#include <QPainterPath>

namespace kelvora::content {

using namespace PaintKit;

void HandlePainter::hub(QPointF centre, qreal radius)
{
    m_painter.setPen(QPen(PanelStyle::plateEdge, 1));
    m_painter.setBrush(roundMetal(centre, radius, PanelStyle::metal, PanelStyle::metalDark.darker(140)));
    m_painter.drawEllipse(centre, radius, radius);
}

void HandlePainter::fuelLever(const SceneControl &control)
{
    const QRectF area = QRectF(control.place);
    const QPointF centre = area.center();
    const qreal length = std::min(area.width(), area.height()) * 0.78;
    // OPEN lengthwise (along the console, up the picture), CLOSED crosswise.
    const bool open = control.state > 0;
    m_painter.setPen(PanelStyle::legend);
    m_painter.setFont(PanelStyle::font(10));
    m_painter.drawText(centredRect(centre + QPointF(0, -length * 0.62), 60, 12), Qt::AlignCenter, "OPEN");
    m_painter.drawText(centredRect(centre + QPointF(length * 0.78, 0), 60, 12), Qt::AlignCenter, "CLOSED");
    m_painter.save();
    m_painter.translate(centre);
    m_painter.rotate(open ? 0 : 90);
    const QRectF bar(-length * 0.13, -length * 0.5, length * 0.26, length);
    dropShadow(m_painter, bar, 6, 4);
    m_painter.setPen(QPen(PanelStyle::guardRed.darker(180), 1.5));
    m_painter.setBrush(linearMetal(bar.topLeft(), bar.topRight(), PanelStyle::guardRed.lighter(140),
                                   PanelStyle::guardRed.darker(150)));
    m_painter.drawRoundedRect(bar, length * 0.12, length * 0.12);
    m_painter.restore();
    hub(centre, length * 0.09);
}

void HandlePainter::canopyHandle(const SceneControl &control)
{
    const QRectF area = QRectF(control.place);
    const QPointF pivot(area.center().x() + area.width() * 0.05, area.bottom() - area.height() * 0.2);
    // CLOSED: pushed forward (up the picture); OPEN: pulled aft, lying back.
    const qreal angle = control.state > 0 ? -10 : 55;
    const qreal length = area.height() * 0.72;
    const QPointF grip = polar(pivot, length, angle);
    m_painter.setPen(QPen(QColor(0, 0, 0, 110), 16, Qt::SolidLine, Qt::RoundCap));
    m_painter.drawLine(pivot + QPointF(5, 5), grip + QPointF(6, 6));
    m_painter.setPen(QPen(linearMetal(pivot, grip, PanelStyle::metal, PanelStyle::metalDark), 13, Qt::SolidLine,
                          Qt::RoundCap));
    m_painter.drawLine(pivot, grip);
    // Yellow and black striped grip.
    m_painter.save();
    m_painter.translate(grip);
    m_painter.rotate(angle);
    const QRectF bar(-26, -12, 52, 24);
    m_painter.setPen(QPen(Qt::black, 1.5));
    m_painter.setBrush(PanelStyle::hazardYellow);
    m_painter.drawRoundedRect(bar, 8, 8);
    m_painter.setClipRect(bar);
    m_painter.setPen(QPen(QColor(20, 20, 20), 5));
    for (int stripe = -3; stripe <= 3; ++stripe)
        m_painter.drawLine(QPointF(stripe * 12 - 14, 14), QPointF(stripe * 12 + 14, -14));
    m_painter.restore();
    hub(pivot, 12);
    m_painter.setPen(PanelStyle::legend);
    m_painter.setFont(PanelStyle::font(11));
    m_painter.drawText(centredRect(QPointF(area.left() + 4, area.top() + 8), 60, 14), Qt::AlignCenter, "CLOSED");
    m_painter.drawText(centredRect(QPointF(area.right() - 6, area.bottom() - 10), 60, 14), Qt::AlignCenter, "OPEN");
}

void HandlePainter::canopyRail(const SceneControl &control)
{
    const QRectF area = QRectF(control.place);
    const QRectF rail(area.left(), area.bottom() - 18, area.width(), 14);
    m_painter.setPen(QPen(PanelStyle::plateEdge, 1));
    m_painter.setBrush(linearMetal(rail.topLeft(), rail.bottomLeft(), QColor(120, 124, 130), QColor(40, 42, 46)));
    m_painter.drawRect(rail);
    // The canopy frame: down on the rail, or lifted well above it with daylight beneath.
    const qreal lift = control.state > 0 ? 0 : area.height() - 26;
    const QRectF frame(area.left(), rail.top() - 14 - lift, area.width(), 14);
    if (lift > 0) {
        QLinearGradient daylight(frame.bottomLeft(), rail.topLeft());
        daylight.setColorAt(0, QColor(150, 180, 210));
        daylight.setColorAt(1, QColor(90, 110, 130));
        m_painter.fillRect(QRectF(frame.left(), frame.bottom(), frame.width(), rail.top() - frame.bottom()), daylight);
    }
    m_painter.setBrush(linearMetal(frame.topLeft(), frame.bottomLeft(), QColor(150, 154, 160), QColor(60, 62, 66)));
    m_painter.drawRect(frame);
}

void HandlePainter::teeHandle(const SceneControl &control)
{
    const QRectF area = QRectF(control.place);
    const QPointF socket = area.center() + QPointF(0, area.height() * 0.2);
    hub(socket, area.width() * 0.16);
    // Pulled out, the handle stands off the panel on its shaft and looks bigger.
    const bool out = control.state > 0;
    const QPointF grip = socket + (out ? QPointF(-3, -area.height() * 0.3) : QPointF(0, -area.height() * 0.05));
    if (out) {
        m_painter.setPen(QPen(linearMetal(socket, grip, PanelStyle::metal, PanelStyle::metalDark), 6));
        m_painter.drawLine(socket, grip);
    }
    const qreal width = area.width() * (out ? 0.85 : 0.7);
    const QRectF bar = centredRect(grip, width, width * 0.32);
    dropShadow(m_painter, bar, 5, out ? 6 : 2);
    m_painter.setPen(QPen(QColor(60, 10, 8), 1.2));
    m_painter.setBrush(linearMetal(bar.topLeft(), bar.bottomLeft(), PanelStyle::guardRed.lighter(130),
                                   PanelStyle::guardRed.darker(160)));
    m_painter.drawRoundedRect(bar, 5, 5);
}

void HandlePainter::gearHandle(const SceneControl &control)
{
    const QRectF area = QRectF(control.place);
    const QPointF base(area.center().x(), area.bottom() - 4);
    const QPointF wheel(area.center().x(), area.top() + area.height() * 0.4);
    m_painter.setPen(QPen(linearMetal(base, wheel, PanelStyle::metal, PanelStyle::metalDark), 7, Qt::SolidLine,
                          Qt::RoundCap));
    m_painter.drawLine(base, wheel);
    // The wheel-shaped knob with the red light inside it.
    const qreal radius = area.width() * 0.3;
    if (control.state > 0)
        glow(m_painter, wheel, radius * 2.2, PanelStyle::lampRed);
    m_painter.setPen(QPen(QColor(30, 30, 30), 1.5));
    m_painter.setBrush(roundMetal(wheel, radius, QColor(250, 250, 250), QColor(150, 150, 150)));
    m_painter.drawEllipse(wheel, radius, radius);
    m_painter.setBrush(control.state > 0 ? PanelStyle::lampRed : QColor(70, 20, 18));
    m_painter.drawEllipse(wheel, radius * 0.45, radius * 0.45);
    m_painter.setPen(PanelStyle::legend);
    m_painter.setFont(PanelStyle::font(10));
    m_painter.drawText(centredRect(wheel + QPointF(-radius - 20, 0), 30, 12), Qt::AlignCenter, "UP");
    m_painter.drawText(centredRect(base + QPointF(-radius - 20, -6), 30, 12), Qt::AlignCenter, "DN");
}

void HandlePainter::throttleGrip(const SceneControl &control)
{
    // The finger lift sits at the place; the grip rises up and to the right of it.
    const QPointF lift = QRectF(control.place).center();
    const QPointF top = lift + QPointF(control.state > 0 ? 120 : 95, -150);
    QPainterPath body;
    body.moveTo(lift + QPointF(-40, 60));
    body.cubicTo(lift + QPointF(-30, -40), top + QPointF(-70, 10), top + QPointF(-30, -20));
    body.cubicTo(top + QPointF(10, -45), top + QPointF(60, -20), top + QPointF(55, 20));
    body.cubicTo(top + QPointF(50, 80), lift + QPointF(90, 20), lift + QPointF(80, 120));
    body.lineTo(lift + QPointF(-40, 120));
    body.closeSubpath();
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(QColor(0, 0, 0, 120));
    m_painter.drawPath(body.translated(8, 8));
    m_painter.setPen(QPen(QColor(8, 8, 9), 2));
    m_painter.setBrush(linearMetal(top + QPointF(-60, 0), top + QPointF(60, 80), QColor(78, 80, 86), QColor(18, 19, 21)));
    m_painter.drawPath(body);
    // Thumb switches on the grip.
    for (int i = 0; i < 3; ++i) {
        const QPointF at = top + QPointF(-10 + 18 * i, 5 + 10 * (i % 2));
        m_painter.setBrush(roundMetal(at, 7, QColor(120, 120, 126), QColor(20, 20, 22)));
        m_painter.drawEllipse(at, 6, 6);
    }
    // The finger lift: a silver tab under the grip.
    const QRectF tab = centredRect(lift, 34, 16);
    m_painter.setPen(QPen(Qt::black, 1.2));
    m_painter.setBrush(linearMetal(tab.topLeft(), tab.bottomLeft(), QColor(230, 232, 236), PanelStyle::metalDark));
    m_painter.drawRoundedRect(tab, 6, 6);
}

void HandlePainter::stick(const SceneControl &control)
{
    const QRectF area = QRectF(control.place);
    const bool deflected = control.state > 0;
    const QPointF grip = area.center() + (deflected ? QPointF(-area.width() * 0.35, -area.height() * 0.25) : QPointF());
    const QPointF floor(area.center().x(), 800);
    // Boot at the bottom, shaft, then the grip seen from above and behind.
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(QColor(18, 18, 20));
    m_painter.drawEllipse(QPointF(floor.x(), 770), 70, 30);
    m_painter.setPen(QPen(linearMetal(floor + QPointF(-8, 0), floor + QPointF(8, 0), QColor(90, 92, 98),
                                      QColor(20, 20, 22)),
                          16, Qt::SolidLine, Qt::RoundCap));
    m_painter.drawLine(floor, grip);
    const qreal width = std::min(area.width(), area.height()) * 0.7;
    const QRectF head = centredRect(grip, width, width * 1.25);
    dropShadow(m_painter, head, width * 0.3, 6);
    m_painter.setPen(QPen(QColor(6, 6, 7), 1.5));
    m_painter.setBrush(linearMetal(head.topLeft(), head.bottomRight(), QColor(80, 82, 88), QColor(14, 14, 16)));
    m_painter.drawRoundedRect(head, width * 0.4, width * 0.4);
    m_painter.setBrush(PanelStyle::guardRed.darker(110));
    m_painter.drawEllipse(head.topLeft() + QPointF(width * 0.3, width * 0.25), width * 0.1, width * 0.1);
    m_painter.setBrush(QColor(120, 120, 126));
    m_painter.drawEllipse(head.topLeft() + QPointF(width * 0.68, width * 0.3), width * 0.09, width * 0.09);
}

void HandlePainter::pedal(const SceneControl &control)
{
    const QRectF area = QRectF(control.place);
    QPainterPath pad;
    pad.addRoundedRect(area.adjusted(6, 6, 30, 30), 14, 14);
    m_painter.setPen(QPen(Qt::black, 2));
    m_painter.setBrush(linearMetal(area.topLeft(), area.bottomLeft(), QColor(110, 112, 118), QColor(30, 31, 34)));
    m_painter.drawPath(pad);
    m_painter.setPen(QPen(QColor(20, 20, 22), 3));
    for (int ridge = 0; ridge < 5; ++ridge) {
        const qreal y = area.top() + 16 + ridge * 10;
        m_painter.drawLine(QPointF(area.left() + 18, y), QPointF(area.right() + 10, y));
    }
}

} // namespace kelvora::content
