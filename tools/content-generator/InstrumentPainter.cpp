#include "InstrumentPainter.h"

#include "PaintKit.h"
#include "PanelStyle.h"

#include <QPainterPath>

namespace kelvora::content {

using namespace PaintKit;

namespace {
// Gauges sweep 270 degrees, from lower left through the top to lower right.
qreal sweepAngle(qreal percent)
{
    return -135 + 270 * std::clamp<qreal>(percent, 0, 100) / 100;
}
} // namespace

void InstrumentPainter::caseAndFace(QPointF centre, qreal radius)
{
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(QColor(0, 0, 0, 110));
    m_painter.drawEllipse(centre + QPointF(3, 4), radius + 4, radius + 4);
    m_painter.setBrush(roundMetal(centre, radius + 4, QColor(80, 84, 90), QColor(16, 17, 19)));
    m_painter.drawEllipse(centre, radius + 4, radius + 4);
    m_painter.setBrush(PanelStyle::dialFace);
    m_painter.drawEllipse(centre, radius, radius);
}

void InstrumentPainter::needle(QPointF centre, qreal length, qreal degrees, qreal width)
{
    m_painter.setPen(QPen(QColor(0, 0, 0, 120), width, Qt::SolidLine, Qt::RoundCap));
    m_painter.drawLine(centre + QPointF(2, 2), polar(centre, length, degrees) + QPointF(2, 2));
    m_painter.setPen(QPen(PanelStyle::needle, width, Qt::SolidLine, Qt::RoundCap));
    m_painter.drawLine(polar(centre, -length * 0.15, degrees), polar(centre, length, degrees));
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(roundMetal(centre, width * 1.6, PanelStyle::metal, PanelStyle::metalDark));
    m_painter.drawEllipse(centre, width * 1.4, width * 1.4);
}

void InstrumentPainter::glass(QPointF centre, qreal radius)
{
    QRadialGradient sheen(centre - QPointF(radius * 0.45, radius * 0.55), radius * 0.9);
    sheen.setColorAt(0, QColor(255, 255, 255, 40));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(sheen);
    m_painter.drawEllipse(centre, radius, radius);
}

void InstrumentPainter::gauge(const SceneControl &control)
{
    const QRectF square = centredSquare(control.place, 0.9);
    const QPointF centre = square.center();
    const qreal radius = square.width() / 2 - 4;
    caseAndFace(centre, radius);

    const QRectF arcBox = centredRect(centre, radius * 1.56, radius * 1.56);
    auto arc = [&](qreal from, qreal to, QColor colour) {
        // drawArc counts sixteenths of a degree anticlockwise from three o'clock.
        m_painter.setPen(QPen(colour, radius * 0.1, Qt::SolidLine, Qt::FlatCap));
        m_painter.setBrush(Qt::NoBrush);
        const qreal start = 90 - sweepAngle(from);
        m_painter.drawArc(arcBox, qRound(start * 16), -qRound((sweepAngle(to) - sweepAngle(from)) * 16));
    };
    if (control.bandTo > control.bandFrom) {
        arc(control.bandFrom, control.bandTo, PanelStyle::arcGreen);
        if (control.bandTo < 100) {
            // The red line just past the top of the green arc.
            m_painter.setPen(QPen(PanelStyle::arcRed, 2.5));
            m_painter.drawLine(polar(centre, radius * 0.7, sweepAngle(control.bandTo + 2)),
                               polar(centre, radius * 0.92, sweepAngle(control.bandTo + 2)));
        }
    }
    for (int tick = 0; tick <= 20; ++tick) {
        const bool major = tick % 5 == 0;
        m_painter.setPen(QPen(PanelStyle::dialMarks, major ? 2 : 1));
        m_painter.drawLine(polar(centre, radius * (major ? 0.8 : 0.87), sweepAngle(tick * 5)),
                           polar(centre, radius * 0.95, sweepAngle(tick * 5)));
    }
    m_painter.setPen(PanelStyle::dialMarks);
    m_painter.setFont(PanelStyle::font(std::max(7, static_cast<int>(radius * 0.2))));
    m_painter.drawText(centredRect(centre + QPointF(0, -radius * 0.36), radius * 1.2, radius * 0.3), Qt::AlignCenter,
                       control.label);
    // Digital readout in a small window under the hub.
    const QRectF readout = centredRect(centre + QPointF(0, radius * 0.5), radius * 0.95, radius * 0.36);
    m_painter.setPen(QPen(PanelStyle::metalDark, 1));
    m_painter.setBrush(QColor(4, 4, 4));
    m_painter.drawRect(readout);
    m_painter.setPen(QColor(255, 255, 255));
    m_painter.setFont(PanelStyle::font(std::max(8, static_cast<int>(radius * 0.27))));
    m_painter.drawText(readout, Qt::AlignCenter, control.text);

    needle(centre, radius * 0.82, sweepAngle(control.state), std::max<qreal>(2, radius * 0.07));
    glass(centre, radius);
}

void InstrumentPainter::attitudeDial(QPointF centre, qreal radius, bool running)
{
    // Caged and unpowered, the ball lies tilted; running, the horizon is level.
    m_painter.save();
    QPainterPath face;
    face.addEllipse(centre, radius, radius);
    m_painter.setClipPath(face);
    m_painter.translate(centre);
    m_painter.rotate(running ? 0 : 24);
    const qreal pitch = running ? 0 : radius * 0.35;
    m_painter.fillRect(QRectF(-radius * 2, -radius * 2, radius * 4, radius * 2 + pitch), PanelStyle::sky);
    m_painter.fillRect(QRectF(-radius * 2, pitch, radius * 4, radius * 2), PanelStyle::ground);
    m_painter.setPen(QPen(Qt::white, 1.5));
    m_painter.drawLine(QPointF(-radius, pitch), QPointF(radius, pitch));
    for (int bar = 1; bar <= 2; ++bar) {
        const qreal y = pitch - bar * radius * 0.25;
        m_painter.drawLine(QPointF(-radius * 0.2, y), QPointF(radius * 0.2, y));
    }
    m_painter.restore();
    // The fixed aircraft symbol.
    m_painter.setPen(QPen(PanelStyle::hazardYellow, 3, Qt::SolidLine, Qt::RoundCap));
    m_painter.drawLine(centre + QPointF(-radius * 0.55, 0), centre + QPointF(-radius * 0.18, 0));
    m_painter.drawLine(centre + QPointF(radius * 0.18, 0), centre + QPointF(radius * 0.55, 0));
    m_painter.drawPoint(centre);
    if (!running) {
        const QRectF flag = centredRect(centre + QPointF(radius * 0.35, -radius * 0.4), radius * 0.7, radius * 0.36);
        m_painter.setPen(QPen(Qt::black, 1));
        m_painter.setBrush(QColor(230, 40, 30));
        m_painter.drawRect(flag);
        m_painter.setPen(Qt::white);
        m_painter.setFont(PanelStyle::font(std::max(7, static_cast<int>(radius * 0.26))));
        m_painter.drawText(flag, Qt::AlignCenter, "OFF");
    }
}

void InstrumentPainter::attitude(const SceneControl &control)
{
    const QRectF place = control.place;
    const bool column = place.height() > 2.5 * place.width();
    const qreal radius = column ? 30 : centredSquare(place, 0.9).width() / 2 - 4;
    const QPointF centre = column ? QPointF(place.center().x(), place.top() + 38) : place.center();
    caseAndFace(centre, radius);
    attitudeDial(centre, radius - 2, control.state > 0);
    glass(centre, radius);
    if (!column)
        return;
    // The caging knob under the instrument, pulled out while caged, and a clock below.
    const QPointF knob(centre.x(), centre.y() + radius + 26);
    const qreal knobRadius = control.state > 0 ? 9 : 11;
    m_painter.setPen(QPen(PanelStyle::plateEdge, 1));
    m_painter.setBrush(roundMetal(knob, knobRadius, QColor(110, 112, 118), PanelStyle::knob));
    m_painter.drawEllipse(knob, knobRadius, knobRadius);
    m_painter.setPen(PanelStyle::legend);
    m_painter.setFont(PanelStyle::font(9));
    m_painter.drawText(centredRect(knob + QPointF(0, 20), 60, 12), Qt::AlignCenter,
                       control.state > 0 ? "RUN" : "PULL TO CAGE");
    const QPointF clock(centre.x(), place.bottom() - 42);
    caseAndFace(clock, 22);
    m_painter.setPen(QPen(PanelStyle::dialMarks, 1.5));
    for (int hour = 0; hour < 12; ++hour)
        m_painter.drawLine(polar(clock, 17, hour * 30), polar(clock, 21, hour * 30));
    needle(clock, 14, 300, 2);
    needle(clock, 19, 60, 1.5);
}

void InstrumentPainter::altimeter(const SceneControl &control)
{
    const QRectF square = centredSquare(control.place, 0.92);
    const QPointF centre = square.center();
    const qreal radius = square.width() / 2 - 4;
    caseAndFace(centre, radius);
    m_painter.setFont(PanelStyle::font(std::max(7, static_cast<int>(radius * 0.2))));
    for (int digit = 0; digit < 10; ++digit) {
        m_painter.setPen(QPen(PanelStyle::dialMarks, 2));
        m_painter.drawLine(polar(centre, radius * 0.82, digit * 36), polar(centre, radius * 0.95, digit * 36));
        m_painter.drawText(centredRect(polar(centre, radius * 0.64, digit * 36), 16, 14), Qt::AlignCenter,
                           QString::number(digit));
    }
    // Pressure window: standard setting until it is set to the field.
    const QRectF window = centredRect(centre + QPointF(radius * 0.35, 0), radius * 0.62, radius * 0.3);
    m_painter.setPen(QPen(PanelStyle::metalDark, 1));
    m_painter.setBrush(QColor(4, 4, 4));
    m_painter.drawRect(window);
    m_painter.setPen(Qt::white);
    m_painter.drawText(window, Qt::AlignCenter, control.state > 0 ? "1009" : "1013");
    const bool set = control.state > 0;
    needle(centre, radius * 0.55, set ? 50 : 0, 3.5);
    needle(centre, radius * 0.85, set ? 310 : 0, 2);
    glass(centre, radius);
}

} // namespace kelvora::content
