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
    // From page units to device pixels. The view's scale reaches a page on the
    // stage through the painter's redirection, not its world transform.
    const QTransform transform = painter.deviceTransform();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (picture.isNull() || transform.type() <= QTransform::TxTranslate || transform.type() > QTransform::TxScale) {
        fillBlack(painter, picture.hasAlphaChannel() ? exposed : exposed - picture.rect());
        painter.drawImage(0, 0, picture);
        return;
    }

    // In device pixels: the page's and the photograph's edges may fall inside a
    // pixel. Black goes under the photograph's edge pixels only, as the
    // rasteriser may leave them to what is below.
    const QRect pixels = coveredPixels(transform.mapRect(QRectF(picture.rect())));
    QRegion exposedPixels;
    for (const QRect &part : exposed)
        exposedPixels += transform.mapRect(QRectF(part)).toAlignedRect();
    const bool firstPaint = m_pictureKey != picture.cacheKey() || m_transform != transform;
    painter.save();
    const QTransform pageUnits = painter.worldTransform();
    painter.setWorldTransform(transform.inverted() * pageUnits); // in device pixels
    fillBlack(painter, picture.hasAlphaChannel() ? exposedPixels : exposedPixels - pixels.adjusted(1, 1, -1, -1));
    if (firstPaint) {
        m_scaled = QImage();
        m_pictureKey = picture.cacheKey();
        m_transform = transform;
        painter.setWorldTransform(pageUnits);
        painter.drawImage(0, 0, picture);
    } else {
        if (m_scaled.isNull()) {
            const bool opaque = !picture.hasAlphaChannel();
            m_scaled = QImage(pixels.size(), opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
            if (!opaque)
                m_scaled.fill(Qt::transparent);
            QPainter scaler(&m_scaled);
            if (opaque) {
                // Where the rasteriser leaves an edge pixel, black, as under it on
                // the display; the photograph covers every pixel inside the edge.
                const QRect all = m_scaled.rect();
                fillBlack(scaler, QRegion(all) - all.adjusted(1, 1, -1, -1));
            }
            scaler.setRenderHint(QPainter::SmoothPixmapTransform);
            scaler.setTransform(transform * QTransform::fromTranslate(-pixels.x(), -pixels.y()));
            scaler.drawImage(0, 0, picture);
        }
        painter.drawImage(pixels.topLeft(), m_scaled);
    }
    painter.restore();
}

void PageBackground::clear()
{
    m_scaled = QImage();
    m_pictureKey = 0;
}

} // namespace kelvora
