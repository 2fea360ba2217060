#include "InsetPainter.h"

#include "PanelStyle.h"
#include "content/AssetCatalogue.h"

#include <QPainter>
#include <QPainterPath>

namespace kelvora::content {

QImage InsetPainter::paint(const InsetScene &scene) const
{
    QImage image(InsetSize, QImage::Format_RGB32);
    const QRectF all(QPointF(0, 0), QSizeF(InsetSize));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(all, PanelStyle::backgroundTop);

    auto part = [&](qreal x, qreal y, qreal w, qreal h) {
        return QRectF(x * all.width(), y * all.height(), w * all.width(), h * all.height());
    };
    painter.setPen(QPen(PanelStyle::plateEdge, 1));
    painter.setBrush(PanelStyle::plate);
    painter.drawRoundedRect(part(0.02, 0.48, 0.26, 0.48), 4, 4); // left console
    painter.drawRoundedRect(part(0.72, 0.48, 0.26, 0.48), 4, 4); // right console
    painter.drawRoundedRect(part(0.14, 0.14, 0.72, 0.40), 4, 4); // main panel
    painter.setBrush(PanelStyle::screenGlass);
    painter.drawRect(part(0.20, 0.24, 0.20, 0.20));
    painter.drawRect(part(0.60, 0.24, 0.20, 0.20));
    painter.setBrush(PanelStyle::metalDark);
    painter.drawRoundedRect(part(0.10, 0.66, 0.08, 0.16), 3, 3);   // throttle
    painter.drawRoundedRect(part(0.46, 0.62, 0.08, 0.30), 3, 3);   // stick
    QPainterPath shield;
    shield.moveTo(0, 0);
    shield.lineTo(all.width(), 0);
    shield.lineTo(all.width(), all.height() * 0.1);
    shield.quadTo(all.width() / 2, all.height() * 0.2, 0, all.height() * 0.1);
    painter.setPen(Qt::NoPen);
    painter.setBrush(PanelStyle::glareShield);
    painter.drawPath(shield);

    const QRectF highlight = part(scene.highlight.x(), scene.highlight.y(), scene.highlight.width(),
                                  scene.highlight.height());
    painter.setPen(QPen(QColor(255, 255, 0), 2));
    painter.setBrush(QColor(255, 255, 0, 48));
    painter.drawRect(highlight.adjusted(1, 1, -1, -1));

    painter.setPen(PanelStyle::legend);
    painter.setFont(PanelStyle::legendFont());
    painter.drawText(all.adjusted(4, 0, -4, -3), Qt::AlignBottom | Qt::AlignHCenter, scene.caption);
    painter.setPen(QPen(PanelStyle::metalDark, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(all.adjusted(1, 1, -1, -1));
    return image;
}

} // namespace kelvora::content
