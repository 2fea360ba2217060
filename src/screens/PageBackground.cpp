#include "PageBackground.h"

#include <QPainter>
#include <QRegion>
#include <QtMath>

namespace kelvora {

namespace {
void fillBlack(QPainter &painter, const QRegion &region)
{
    for (const QRect &part : region)
        painter.fillRect(part, Qt::black);
}

// The device pixels a scaled rectangle covers: those whose centres it contains.
QRect coveredPixels(const QRectF &rect)
{
    return QRect(QPoint(qCeil(rect.left() - 0.5), qCeil(rect.top() - 0.5)),
                 QPoint(qCeil(rect.right() - 0.5) - 1, qCeil(rect.bottom() - 0.5) - 1));
}
} // namespace

void PageBackground::paint(QPainter &painter, const QImage &picture, const QRegion &exposed)
{
    const QTransform transform = painter.worldTransform();
    const QRegion underPicture = picture.hasAlphaChannel() ? QRegion() : QRegion(picture.rect());
    if (picture.isNull() || transform.type() <= QTransform::TxTranslate || transform.type() > QTransform::TxScale) {
        fillBlack(painter, exposed - underPicture);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(0, 0, picture);
        return;
    }

    const QRect pixels = coveredPixels(transform.mapRect(QRectF(picture.rect())));
    if (m_scaled.isNull() || m_pictureKey != picture.cacheKey() || m_transform != transform) {
        const bool opaque = !picture.hasAlphaChannel();
        m_scaled = QImage(pixels.size(), opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
        m_scaled.fill(opaque ? Qt::black : Qt::transparent);
        QPainter scaler(&m_scaled);
        scaler.setRenderHint(QPainter::SmoothPixmapTransform);
        scaler.setTransform(transform * QTransform::fromTranslate(-pixels.x(), -pixels.y()));
        scaler.drawImage(0, 0, picture);
        m_pictureKey = picture.cacheKey();
        m_transform = transform;
    }
    // In device pixels from here: the page's edges may fall inside a pixel, and
    // those pixels are black wherever the photograph does not take them.
    QRegion exposedPixels;
    for (const QRect &part : exposed)
        exposedPixels += transform.mapRect(QRectF(part)).toAlignedRect();
    painter.save();
    painter.resetTransform();
    fillBlack(painter, picture.hasAlphaChannel() ? exposedPixels : exposedPixels - pixels);
    painter.drawImage(pixels.topLeft(), m_scaled);
    painter.restore();
}

void PageBackground::clear()
{
    m_scaled = QImage();
}

} // namespace kelvora
