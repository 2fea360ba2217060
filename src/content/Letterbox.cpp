#include "Letterbox.h"

#include <QPainter>

#include <algorithm>

namespace kelvora {

Letterbox Letterbox::fit(QSize picture, QSize box)
{
    if (picture.isEmpty() || box.isEmpty())
        return {};
    const double scale = std::min(double(box.width()) / picture.width(), double(box.height()) / picture.height());
    return {scale, QPointF((box.width() - picture.width() * scale) / 2, (box.height() - picture.height() * scale) / 2)};
}

QImage letterboxed(const QImage &picture, QSize box)
{
    if (picture.isNull() || picture.size() == box)
        return picture;
    const Letterbox fit = Letterbox::fit(picture.size(), box);
    QImage page(box, QImage::Format_RGB32);
    page.fill(Qt::black);
    QPainter painter(&page);
    const QRectF placed = fit.map(QRectF(QPointF(0, 0), QSizeF(picture.size())));
    // A picture decoded at its fitted size already is copied, not resampled a second time.
    if (picture.size() == placed.size().toSize() || picture.size().scaled(box, Qt::KeepAspectRatio) == picture.size()) {
        painter.drawImage(QPoint((box.width() - picture.width()) / 2, (box.height() - picture.height()) / 2), picture);
        return page;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(placed, picture);
    return page;
}

} // namespace kelvora
