#include "ControlPainter.h"

#include "DisplayPainter.h"
#include "HandlePainter.h"
#include "InstrumentPainter.h"
#include "LightPainter.h"
#include "PaintKit.h"
#include "PanelStyle.h"
#include "SwitchPainter.h"

#include <QPainter>

namespace kelvora::content {

void ControlPainter::paint(const SceneControl &control)
{
    m_painter.save();
    paintBody(control);
    m_painter.restore();
    m_painter.save();
    paintLegend(control);
    m_painter.restore();
}

void ControlPainter::paintBody(const SceneControl &control)
{
    SwitchPainter switches(m_painter);
    LightPainter lights(m_painter);
    InstrumentPainter instruments(m_painter);
    HandlePainter handles(m_painter);
    switch (control.kind) {
    case ControlKind::Toggle: switches.toggle(control); break;
    case ControlKind::Guarded: switches.guarded(control); break;
    case ControlKind::Rocker: switches.rocker(control); break;
    case ControlKind::PushButton: switches.pushButton(control); break;
    case ControlKind::Rotary: switches.rotary(control); break;
    case ControlKind::Lamp: lights.lamp(control); break;
    case ControlKind::DataWindow: lights.dataWindow(control); break;
    case ControlKind::Gauge: instruments.gauge(control); break;
    case ControlKind::Attitude: instruments.attitude(control); break;
    case ControlKind::Altimeter: instruments.altimeter(control); break;
    case ControlKind::Display: DisplayPainter(m_painter).display(control); break;
    case ControlKind::FuelLever: handles.fuelLever(control); break;
    case ControlKind::CanopyHandle: handles.canopyHandle(control); break;
    case ControlKind::CanopyRail: handles.canopyRail(control); break;
    case ControlKind::TeeHandle: handles.teeHandle(control); break;
    case ControlKind::GearHandle: handles.gearHandle(control); break;
    case ControlKind::ThrottleGrip: handles.throttleGrip(control); break;
    case ControlKind::Stick: handles.stick(control); break;
    case ControlKind::Pedal: handles.pedal(control); break;
    }
}

void ControlPainter::paintLegend(const SceneControl &control)
{
    switch (control.kind) {
    case ControlKind::Lamp:
    case ControlKind::PushButton:
    case ControlKind::Gauge:
    case ControlKind::Display:
    case ControlKind::Stick:
    case ControlKind::Pedal:
    case ControlKind::CanopyRail:
    case ControlKind::ThrottleGrip:
    case ControlKind::GearHandle:
        return;
    default:
        break;
    }
    if (control.label.isEmpty())
        return;
    const QRectF place = control.place;
    const bool above = control.legendAbove || control.kind == ControlKind::Rocker
                       || control.kind == ControlKind::CanopyHandle;
    const qreal height = 13 * (control.label.count('\n') + 1) + 1;
    const QRectF band = above ? QRectF(place.center().x() - 70, place.top() - height - 1, 140, height)
                              : QRectF(place.center().x() - 70, place.bottom() - 2, 140, height);
    m_painter.setFont(PanelStyle::legendFont());
    engrave(band, Qt::AlignCenter, control.label);
    if (control.kind == ControlKind::Toggle || control.kind == ControlKind::Guarded)
        paintLeverPositions(control);
}

// The names of a lever's positions beside the top, middle and bottom of its throw.
void ControlPainter::paintLeverPositions(const SceneControl &control)
{
    const QRectF square = PaintKit::centredSquare(control.place, 0.72);
    const QStringList names = control.positions.isEmpty() ? QStringList{"", "ON"} : control.positions;
    // Three names need the whole height of the place to stand apart.
    const QRectF travel = names.size() > 2 ? QRectF(control.place) : square;
    const qreal rows[] = {travel.bottom() - 10, travel.top() - 2, travel.center().y() - 6};
    m_painter.setFont(PanelStyle::font(9));
    for (int state = 0; state < names.size() && state < 3; ++state)
        engrave(QRectF(square.right() - 2, rows[state], 60, 12), Qt::AlignLeft, names.at(state));
}

void ControlPainter::engrave(const QRectF &band, int flags, const QString &text)
{
    // Engraved white paint: a dark shadow under the letters.
    m_painter.setPen(QColor(0, 0, 0, 170));
    m_painter.drawText(band.translated(1, 1), flags, text);
    m_painter.setPen(PanelStyle::legend);
    m_painter.drawText(band, flags, text);
}

} // namespace kelvora::content
