#include "QuadrantPainter.h"

#include "PanelStyle.h"
#include "content/AssetCatalogue.h"

#include <QPainter>

namespace kelvora::content {

QImage QuadrantPainter::paint() const
{
    QImage image(ThrottleQuadrantSize, QImage::Format_RGB32);
    const QRectF all(QPointF(0, 0), QSizeF(ThrottleQuadrantSize));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient shade(all.topLeft(), all.bottomLeft());
    shade.setColorAt(0, PanelStyle::backgroundBottom);
    shade.setColorAt(1, PanelStyle::backgroundTop);
    painter.fillRect(all, shade);

    // The grip, seen from above the console.
    painter.setPen(QPen(PanelStyle::plateEdge, 1.5));
    painter.setBrush(PanelStyle::metalDark);
    painter.drawRoundedRect(QRectF(46, 20, 78, 120), 22, 22);
    painter.setBrush(PanelStyle::bezel);
    for (int i = 0; i < 4; ++i)
        painter.drawEllipse(QPointF(66 + 12 * i, 48 + 18 * (i % 2)), 6, 6);
    painter.setBrush(PanelStyle::guardRed);
    painter.drawRoundedRect(QRectF(70, 100, 30, 14), 4, 4);

    // The slot the knob runs in, with its detents.
    painter.setBrush(PanelStyle::plateEdge);
    painter.drawRoundedRect(QRectF(36, 190, 92, 16), 8, 8);
    painter.setFont(PanelStyle::legendFont());
    painter.setPen(PanelStyle::legend);
    const struct { qreal x; const char *text; } detents[] = {{50, "OFF"}, {77.5, "IDLE"}, {97.5, "50"}, {120, "MIL"}};
    for (const auto &detent : detents) {
        painter.drawLine(QPointF(detent.x, 172), QPointF(detent.x, 186));
        painter.drawText(QRectF(detent.x - 20, 156, 40, 14), Qt::AlignCenter, QString::fromLatin1(detent.text));
    }
    return image;
}

} // namespace kelvora::content
