#include "QuadrantPainter.h"

#include "PaintKit.h"
#include "PanelStyle.h"
#include "content/PackFiles.h"

#include <QPainter>
#include <QPainterPath>

namespace kelvora::content {

namespace {
// The lesson lays its track line along y 198 from x 46 to 106 and slides a
// 27-pixel knob between left edges 64 (OFF) and 84 (IDLE).
constexpr qreal SlotY = 198;
constexpr qreal OffX = 64 + 13.5;
constexpr qreal IdleX = 84 + 13.5;
constexpr qreal CaptionTop = 226;
} // namespace

QImage QuadrantPainter::paint() const
{
    QImage image(ThrottleQuadrantSize, QImage::Format_RGB32);
    const QRectF all(QPointF(0, 0), QSizeF(ThrottleQuadrantSize));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient shade(all.topLeft(), all.bottomLeft());
    shade.setColorAt(0, PanelStyle::consoleTop);
    shade.setColorAt(1, PanelStyle::consoleBottom);
    painter.fillRect(all, shade);

    // The quadrant's side plate.
    const QRectF plate(10, 120, 149, 100);
    PaintKit::dropShadow(painter, plate, 6);
    painter.setPen(QPen(PanelStyle::plateEdge, 1.5));
    painter.setBrush(PanelStyle::plate);
    painter.drawRoundedRect(plate, 6, 6);
    PaintKit::bevel(painter, plate.adjusted(1, 1, -1, -1), 5, PanelStyle::plateHighlight, PanelStyle::plateEdge);
    painter.setFont(PanelStyle::font(11));
    painter.setPen(PanelStyle::legend);
    painter.drawText(QRectF(plate.left(), plate.top() + 4, plate.width(), 14), Qt::AlignCenter, "THROTTLE");

    // The slot the knob runs in, with the gate beyond IDLE towards MIL.
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(6, 6, 8));
    painter.drawRoundedRect(QRectF(38, SlotY - 5, 80, 10), 5, 5);
    painter.setPen(QPen(PanelStyle::legend.darker(150), 1, Qt::DashLine));
    painter.drawLine(QPointF(120, SlotY), QPointF(150, SlotY));

    const struct { qreal x; const char *text; QColor colour; } detents[] = {
        {OffX, "OFF", PanelStyle::lampRed.lighter(120)},
        {IdleX, "IDLE", PanelStyle::legend},
        {148, "MIL", PanelStyle::legend},
    };
    painter.setFont(PanelStyle::font(10));
    for (const auto &detent : detents) {
        painter.setPen(QPen(detent.colour, 2));
        painter.drawLine(QPointF(detent.x, 170), QPointF(detent.x, 182));
        // OFF and IDLE stand 20 pixels apart: OFF reads leftwards from its detent, IDLE rightwards.
        const QRectF band = detent.x == OffX    ? QRectF(detent.x - 38, 154, 42, 14)
                            : detent.x == IdleX ? QRectF(detent.x - 4, 154, 42, 14)
                                                : QRectF(detent.x - 20, 154, 40, 14);
        const Qt::Alignment align = detent.x == OffX    ? Qt::AlignRight | Qt::AlignVCenter
                                    : detent.x == IdleX ? Qt::AlignLeft | Qt::AlignVCenter
                                                        : Qt::AlignCenter;
        painter.drawText(band, align, QString::fromLatin1(detent.text));
    }

    // The grip above the console, seen from the side.
    QPainterPath grip;
    grip.moveTo(60, 116);
    grip.cubicTo(50, 70, 60, 30, 90, 22);
    grip.cubicTo(118, 16, 130, 40, 124, 70);
    grip.lineTo(112, 116);
    grip.closeSubpath();
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(PaintKit::linearMetal({50, 0}, {130, 0}, QColor(84, 86, 92), QColor(18, 18, 20)));
    painter.drawPath(grip);
    painter.setBrush(QColor(130, 130, 136));
    painter.drawEllipse(QPointF(98, 40), 6, 6);
    painter.drawEllipse(QPointF(86, 62), 5, 5);

    // Plain and dark below: the lesson writes its caption there.
    painter.fillRect(QRectF(0, CaptionTop, all.width(), all.height() - CaptionTop), PanelStyle::cockpitShadow);
    return image;
}

} // namespace kelvora::content
