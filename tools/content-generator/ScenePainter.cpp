#include "ScenePainter.h"

#include "ControlPainter.h"
#include "PanelStyle.h"

#include <QPainter>
#include <QPainterPath>

namespace kelvora::content {

namespace {
// The figure a lesson draws for a mark: a circle or rounded square takes the
// smaller extent of the rectangle and stands in its centre.
QPainterPath markPath(const SceneControl &control)
{
    const QRectF place = QRectF(control.place).adjusted(1.5, 1.5, -1.5, -1.5);
    const qreal side = std::min(place.width(), place.height());
    QRectF square(0, 0, side, side);
    square.moveCenter(place.center());
    QPainterPath path;
    switch (control.mark) {
    case MarkShape::Circle: path.addEllipse(square); break;
    case MarkShape::Oval: path.addEllipse(place); break;
    case MarkShape::RoundedSquare: path.addRoundedRect(square, side / 8, side / 8); break;
    }
    return path;
}
// The colour a control's legend lights in, or none while it is off. A guard
// lifted alone lights nothing; a latched toggle turns from green to amber.
QColor legendLight(const SceneControl &control)
{
    switch (control.kind) {
    case ControlKind::Toggle:
        return control.state == 1 ? PanelStyle::lampGreen : control.state >= 2 ? PanelStyle::lampAmber : QColor();
    case ControlKind::Guarded:
        return control.state >= 2 ? PanelStyle::lampGreen : QColor();
    case ControlKind::PushButton:
    case ControlKind::Rotary:
    case ControlKind::Rocker:
    case ControlKind::Lever:
        return control.state > 0 ? PanelStyle::lampGreen : QColor();
    case ControlKind::Thumbwheel:
    case ControlKind::Gauge:
    case ControlKind::Display:
        break;
    }
    return {};
}
} // namespace

QImage ScenePainter::paint(const PhotoScene &scene) const
{
    QImage image(scene.size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintPanel(painter, scene);
    for (const SceneControl &control : scene.controls) {
        paintControl(painter, control);
        paintMarkOutline(painter, control);
        paintLegend(painter, control);
    }
    paintCaption(painter, scene);
    return image;
}

void ScenePainter::paintPanel(QPainter &painter, const PhotoScene &scene) const
{
    const QRect all(QPoint(0, 0), scene.size);
    QLinearGradient shade(all.topLeft(), all.bottomLeft());
    shade.setColorAt(0, PanelStyle::backgroundTop);
    shade.setColorAt(1, PanelStyle::backgroundBottom);
    painter.fillRect(all, shade);

    // Panel plates in a grid whose shades depend on the view, so photographs
    // of one view share their background and differ only where a control moves.
    const quint32 seed = PanelStyle::stableHash(scene.view);
    constexpr int plateWidth = 196, plateHeight = 156, gap = 8, top = 84;
    int index = 0;
    for (int y = top; y < all.height() - 40; y += plateHeight + gap) {
        for (int x = gap; x < all.width(); x += plateWidth + gap, ++index) {
            const QRectF plate(x, y, plateWidth, plateHeight);
            const int lift = static_cast<int>((seed >> (index % 24)) & 7);
            painter.setPen(QPen(PanelStyle::plateEdge, 1));
            painter.setBrush(PanelStyle::plate.lighter(100 + lift * 3));
            painter.drawRoundedRect(plate, 6, 6);
            painter.setPen(Qt::NoPen);
            painter.setBrush(PanelStyle::screw);
            for (QPointF corner : {plate.topLeft() + QPointF(8, 8), plate.topRight() + QPointF(-8, 8),
                                   plate.bottomLeft() + QPointF(8, -8), plate.bottomRight() + QPointF(-8, -8)})
                painter.drawEllipse(corner, 2.5, 2.5);
        }
    }

    // The glare shield keeps the explanation line readable.
    QPainterPath shield;
    shield.moveTo(0, 0);
    shield.lineTo(all.width(), 0);
    shield.lineTo(all.width(), 64);
    shield.quadTo(all.width() / 2.0, 92, 0, 64);
    shield.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(PanelStyle::glareShield);
    painter.drawPath(shield);
}

void ScenePainter::paintControl(QPainter &painter, const SceneControl &control) const
{
    painter.save();
    ControlPainter(painter).paint(control);
    painter.restore();
}

void ScenePainter::paintMarkOutline(QPainter &painter, const SceneControl &control) const
{
    painter.save();
    QPen pen(PanelStyle::markOutline, 1, Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(markPath(control));
    painter.restore();
}

void ScenePainter::paintLegend(QPainter &painter, const SceneControl &control) const
{
    painter.save();
    painter.setFont(PanelStyle::legendFont());
    const QRect below(control.place.center().x() - 70, control.place.bottom() + 2, 140, 16);
    // A switched control lights its legend, so each step's photograph shows plainly what changed.
    const QColor light = legendLight(control);
    if (light.isValid()) {
        const QRect lit = painter.fontMetrics().boundingRect(below, Qt::AlignHCenter | Qt::AlignTop, control.label);
        painter.setPen(Qt::NoPen);
        painter.setBrush(light);
        painter.drawRoundedRect(lit.adjusted(-5, -1, 5, 1), 3, 3);
        painter.setPen(PanelStyle::bezel);
    } else {
        painter.setPen(PanelStyle::legend);
    }
    painter.drawText(below, Qt::AlignHCenter | Qt::AlignTop, control.label);
    painter.restore();
}

void ScenePainter::paintCaption(QPainter &painter, const PhotoScene &scene) const
{
    painter.save();
    const QRect band(300, scene.size.height() - 52, 420, 44);
    painter.setPen(Qt::NoPen);
    painter.setBrush(PanelStyle::captionBand);
    painter.drawRoundedRect(band, 6, 6);
    painter.setPen(PanelStyle::caption);
    painter.setFont(PanelStyle::numberFont());
    const QString number = QStringLiteral("%1").arg(scene.number, 3, 10, QLatin1Char('0'));
    painter.drawText(band.adjusted(10, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, number);
    painter.setFont(PanelStyle::legendFont());
    painter.drawText(band.adjusted(80, 0, -8, 0), Qt::AlignLeft | Qt::AlignVCenter, scene.view);
    painter.restore();
}

} // namespace kelvora::content
