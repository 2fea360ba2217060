#include "ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>

namespace kelvora {

namespace {
// A yellow swept-wing silhouette climbing over a dark blue disc.
QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x10, 0x24, 0x48));
    painter.drawEllipse(QRectF(1, 1, 30, 30));
    QPainterPath jet;
    jet.moveTo(16, 4);
    jet.lineTo(18, 13);
    jet.lineTo(27, 20);
    jet.lineTo(18, 19);
    jet.lineTo(19, 25);
    jet.lineTo(16, 27);
    jet.lineTo(13, 25);
    jet.lineTo(14, 19);
    jet.lineTo(5, 20);
    jet.lineTo(14, 13);
    jet.closeSubpath();
    painter.setBrush(QColor(0xFF, 0xFF, 0x00));
    painter.drawPath(jet);
    return image;
}
} // namespace

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32}) {
        const QImage full = drawIcon(size);
        icon.addPixmap(QPixmap::fromImage(full.convertToFormat(QImage::Format_Indexed8)));
        icon.addPixmap(QPixmap::fromImage(full));
    }
    for (int size : {48, 128})
        icon.addPixmap(QPixmap::fromImage(drawIcon(size)));
    return icon;
}

} // namespace kelvora
