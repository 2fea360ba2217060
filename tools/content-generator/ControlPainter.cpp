#include "ControlPainter.h"

#include "PanelStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>

namespace kelvora::content {

namespace {
QRectF centredSquare(QRectF area, qreal scale = 1.0)
{
    const qreal side = std::min(area.width(), area.height()) * scale;
    QRectF square(0, 0, side, side);
    square.moveCenter(area.center());
    return square;
}

// A point at angle degrees clockwise from straight up.
QPointF polar(QPointF centre, qreal radius, qreal degrees)
{
    const qreal radians = qDegreesToRadians(degrees);
    return centre + QPointF(radius * std::sin(radians), -radius * std::cos(radians));
}

QBrush metalBrush(QRectF area)
{
    QLinearGradient gradient(area.topLeft(), area.bottomRight());
    gradient.setColorAt(0, PanelStyle::metal);
    gradient.setColorAt(1, PanelStyle::metalDark);
    return gradient;
}
} // namespace

void ControlPainter::paint(const SceneControl &control)
{
    const QRectF area = QRectF(control.place).adjusted(5, 5, -5, -5);
    switch (control.kind) {
    case ControlKind::Toggle: toggle(area, control.state); break;
    case ControlKind::PushButton: pushButton(area, control.state); break;
    case ControlKind::Rotary: rotary(area, control.state); break;
    case ControlKind::Guarded: guarded(area, control.state); break;
    case ControlKind::Rocker: rocker(area, control.state); break;
    case ControlKind::Thumbwheel: thumbwheel(area, control.state); break;
    case ControlKind::Lever: lever(area, control.state); break;
    case ControlKind::Gauge: gauge(area, control.state); break;
    case ControlKind::Display: display(area, control.mark, control.label); break;
    }
}

void ControlPainter::mountingPlate(QRectF area)
{
    m_painter.setPen(QPen(PanelStyle::plateEdge, 1.5));
    m_painter.setBrush(PanelStyle::bezel);
    m_painter.drawRoundedRect(area, area.width() / 8, area.height() / 8);
}

void ControlPainter::lamp(QPointF centre, qreal radius, bool lit)
{
    m_painter.setPen(QPen(PanelStyle::plateEdge, 1));
    m_painter.setBrush(lit ? PanelStyle::lampGreen : PanelStyle::lampOff);
    m_painter.drawEllipse(centre, radius, radius);
}

void ControlPainter::toggle(QRectF area, int state)
{
    const QRectF square = centredSquare(area);
    mountingPlate(square);
    const qreal side = square.width();
    const QPointF centre = square.center();
    const QPointF tip = centre + QPointF(0, state >= 1 ? -side * 0.36 : side * 0.36);

    m_painter.setPen(QPen(metalBrush(square), side * 0.12, Qt::SolidLine, Qt::RoundCap));
    m_painter.drawLine(centre, tip);
    m_painter.setPen(QPen(PanelStyle::plateEdge, 1));
    m_painter.setBrush(metalBrush(square));
    m_painter.drawEllipse(centre, side * 0.16, side * 0.16);
    m_painter.drawEllipse(tip, side * 0.09, side * 0.09);
    lamp(square.topRight() + QPointF(-side * 0.14, side * 0.14), side * 0.07, state >= 2);
}

void ControlPainter::pushButton(QRectF area, int state)
{
    const QRectF square = centredSquare(area);
    mountingPlate(square);
    const QRectF cap = centredSquare(square, 0.68);
    const QColor light = state == 1 ? PanelStyle::lampGreen : state >= 2 ? PanelStyle::lampAmber : PanelStyle::lampOff;
    m_painter.setPen(QPen(state > 0 ? light.lighter(130) : PanelStyle::metalDark, 2));
    m_painter.setBrush(light);
    m_painter.drawRoundedRect(cap, cap.width() / 6, cap.width() / 6);
    m_painter.setPen(QPen(state > 0 ? PanelStyle::bezel : PanelStyle::metalDark, 1.5));
    m_painter.drawLine(cap.center() - QPointF(cap.width() * 0.25, 0), cap.center() + QPointF(cap.width() * 0.25, 0));
}

void ControlPainter::rotary(QRectF area, int state)
{
    const QRectF square = centredSquare(area);
    mountingPlate(square);
    const qreal side = square.width();
    const QPointF centre = square.center();
    m_painter.setPen(QPen(PanelStyle::dialMarks, 2));
    for (int detent = 0; detent < 5; ++detent) {
        const qreal angle = -120 + 60 * detent;
        m_painter.drawLine(polar(centre, side * 0.40, angle), polar(centre, side * 0.47, angle));
    }
    m_painter.setPen(QPen(PanelStyle::plateEdge, 1));
    m_painter.setBrush(metalBrush(square));
    m_painter.drawEllipse(centre, side * 0.3, side * 0.3);
    m_painter.setPen(QPen(PanelStyle::bezel, side * 0.07, Qt::SolidLine, Qt::RoundCap));
    m_painter.drawLine(centre, polar(centre, side * 0.28, -120 + 60 * std::clamp(state, 0, 4)));
}

void ControlPainter::guarded(QRectF area, int state)
{
    toggle(area, state >= 2 ? 1 : 0);
    const QRectF square = centredSquare(area, 0.86);
    m_painter.setPen(QPen(PanelStyle::guardRed.darker(160), 2));
    m_painter.setBrush(PanelStyle::guardRed);
    if (state == 0) {
        m_painter.drawRoundedRect(square, square.width() / 10, square.width() / 10);
        m_painter.setPen(QPen(PanelStyle::guardRed.darker(130), square.width() * 0.06));
        for (int stripe = 1; stripe < 4; ++stripe) {
            const qreal y = square.top() + square.height() * stripe / 4;
            m_painter.drawLine(QPointF(square.left() + 4, y), QPointF(square.right() - 4, y));
        }
    } else {
        // The guard swung up on its hinge: seen edge-on above the switch.
        const QRectF edge(square.left(), area.top() - area.height() * 0.05, square.width(), area.height() * 0.14);
        m_painter.drawRoundedRect(edge, 3, 3);
    }
}

void ControlPainter::rocker(QRectF area, int state)
{
    const QRectF square = centredSquare(area);
    mountingPlate(square);
    QRectF body(0, 0, square.width() * 0.46, square.height() * 0.8);
    body.moveCenter(square.center());
    const QRectF upper(body.topLeft(), QSizeF(body.width(), body.height() / 2));
    const QRectF lower(upper.bottomLeft(), upper.size());
    const QColor raised = PanelStyle::metalDark;
    const QColor pressed = PanelStyle::bezel.lighter(140);
    m_painter.setPen(QPen(PanelStyle::plateEdge, 1.5));
    m_painter.setBrush(state >= 1 ? pressed : raised);
    m_painter.drawRect(upper);
    m_painter.setBrush(state >= 1 ? raised : pressed);
    m_painter.drawRect(lower);
    m_painter.setPen(QPen(PanelStyle::dialMarks, 2));
    m_painter.drawLine(QPointF(upper.center().x(), upper.top() + 4), QPointF(upper.center().x(), upper.bottom() - 4));
    lamp(QPointF(square.right() - square.width() * 0.12, square.top() + square.height() * 0.14), square.width() * 0.07,
         state >= 1);
}

void ControlPainter::thumbwheel(QRectF area, int state)
{
    mountingPlate(area);
    QRectF wheel(0, 0, area.width() * 0.42, area.height() * 0.6);
    wheel.moveCenter(QPointF(area.center().x(), area.top() + area.height() * 0.38));
    m_painter.setPen(QPen(PanelStyle::plateEdge, 1));
    m_painter.setBrush(metalBrush(wheel));
    m_painter.drawRoundedRect(wheel, 3, 3);
    // The ridges roll with the setting.
    const qreal spacing = 6;
    m_painter.setPen(QPen(PanelStyle::bezel, 1.5));
    for (qreal y = wheel.top() + std::fmod(state * 2.5, spacing) + 2; y < wheel.bottom() - 1; y += spacing)
        m_painter.drawLine(QPointF(wheel.left() + 2, y), QPointF(wheel.right() - 2, y));

    QRectF window(0, 0, area.width() * 0.6, area.height() * 0.2);
    window.moveCenter(QPointF(area.center().x(), area.bottom() - area.height() * 0.16));
    m_painter.setPen(QPen(PanelStyle::metalDark, 1));
    m_painter.setBrush(PanelStyle::dialFace);
    m_painter.drawRect(window);
    QFont font = PanelStyle::legendFont();
    font.setPixelSize(static_cast<int>(window.height() * 0.8));
    m_painter.setFont(font);
    m_painter.setPen(PanelStyle::dialMarks);
    m_painter.drawText(window, Qt::AlignCenter, QString::number(state));
}

void ControlPainter::lever(QRectF area, int state)
{
    mountingPlate(area);
    const bool across = area.width() >= area.height();
    const qreal along = across ? area.width() : area.height();
    const qreal thick = across ? area.height() : area.width();
    const QPointF aft = across ? QPointF(area.left() + along * 0.15, area.center().y())
                               : QPointF(area.center().x(), area.bottom() - along * 0.15);
    const QPointF forward = across ? QPointF(area.right() - along * 0.15, area.center().y())
                                   : QPointF(area.center().x(), area.top() + along * 0.15);
    m_painter.setPen(QPen(PanelStyle::plateEdge, thick * 0.22, Qt::SolidLine, Qt::RoundCap));
    m_painter.drawLine(aft, forward);
    QRectF knob(0, 0, across ? along * 0.18 : thick * 0.8, across ? thick * 0.8 : along * 0.12);
    knob.moveCenter(state >= 1 ? forward : aft);
    m_painter.setPen(QPen(PanelStyle::plateEdge, 1));
    m_painter.setBrush(metalBrush(knob));
    m_painter.drawRoundedRect(knob, 3, 3);
}

void ControlPainter::gauge(QRectF area, int reading)
{
    const QRectF square = centredSquare(area);
    const qreal radius = square.width() / 2;
    const QPointF centre = square.center();
    m_painter.setPen(QPen(PanelStyle::metalDark, 3));
    m_painter.setBrush(PanelStyle::dialFace);
    m_painter.drawEllipse(centre, radius, radius);

    // 0 to 110 over three quarters of a turn, the band filling up to the reading.
    auto angleOf = [](qreal value) { return -135 + 270 * value / 110; };
    const qreal bandRadius = radius * 0.62;
    const QRectF band(centre.x() - bandRadius, centre.y() - bandRadius, 2 * bandRadius, 2 * bandRadius);
    m_painter.setPen(QPen(PanelStyle::lampGreen.darker(130), radius * 0.16, Qt::SolidLine, Qt::FlatCap));
    m_painter.setBrush(Qt::NoBrush);
    // drawArc counts sixteenths of a degree anticlockwise from three o'clock.
    const qreal sweep = 270.0 * std::clamp(reading, 0, 110) / 110;
    m_painter.drawArc(band, 225 * 16, -qRound(sweep * 16));
    for (int value = 0; value <= 110; value += 10) {
        const bool major = value % 20 == 0;
        m_painter.setPen(QPen(PanelStyle::dialMarks, major ? 2 : 1));
        m_painter.drawLine(polar(centre, radius * (major ? 0.72 : 0.8), angleOf(value)),
                           polar(centre, radius * 0.9, angleOf(value)));
    }
    QFont font = PanelStyle::legendFont();
    font.setPixelSize(std::max(8, static_cast<int>(radius * 0.3)));
    m_painter.setFont(font);
    m_painter.setPen(PanelStyle::dialMarks);
    const QRectF readout(centre.x() - radius * 0.5, centre.y() + radius * 0.25, radius, radius * 0.4);
    m_painter.drawText(readout, Qt::AlignCenter, QString::number(reading));

    m_painter.setPen(QPen(PanelStyle::needle, 2.5, Qt::SolidLine, Qt::RoundCap));
    m_painter.drawLine(centre, polar(centre, radius * 0.82, angleOf(std::clamp(reading, 0, 110))));
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(PanelStyle::metalDark);
    m_painter.drawEllipse(centre, radius * 0.08, radius * 0.08);
}

void ControlPainter::display(QRectF area, MarkShape shape, const QString &label)
{
    const bool smallRound = shape == MarkShape::Circle && std::min(area.width(), area.height()) < 100;
    if (smallRound) {
        gauge(area, 0);
        return;
    }
    const QRectF screen = shape == MarkShape::Oval ? area : centredSquare(area, 0.86);
    m_painter.setPen(QPen(PanelStyle::bezel, 6));
    m_painter.setBrush(PanelStyle::screenGlass);
    m_painter.drawRoundedRect(screen, 6, 6);

    // A horizon and a few bars, enough to read as a live page.
    const QRectF inner = screen.adjusted(10, 10, -10, -10);
    m_painter.setPen(QPen(PanelStyle::screenTrace, 1.5));
    m_painter.drawLine(QPointF(inner.left(), inner.center().y()), QPointF(inner.right(), inner.center().y()));
    const quint32 seed = PanelStyle::stableHash(label);
    const int bars = 5;
    for (int bar = 0; bar < bars; ++bar) {
        const qreal height = inner.height() * 0.1 * (1 + ((seed >> (bar * 3)) & 3));
        const qreal x = inner.left() + inner.width() * (bar + 0.5) / bars;
        m_painter.drawLine(QPointF(x, inner.bottom()), QPointF(x, inner.bottom() - height));
    }
    QFont font = PanelStyle::legendFont();
    font.setPixelSize(std::clamp(static_cast<int>(inner.height() * 0.18), 8, 16));
    m_painter.setFont(font);
    m_painter.drawText(inner, Qt::AlignTop | Qt::AlignHCenter, label);
}

} // namespace kelvora::content
