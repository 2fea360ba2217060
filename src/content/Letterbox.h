#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>

namespace kelvora {

// A picture of any size fitted whole into a box: scaled by min(box.w / w, box.h / h), centred, black bars
// beside or above it. Pictures and the places on them (an author's targets) go through the same transform.
struct Letterbox {
    double scale = 1.0;
    QPointF offset;

    static Letterbox fit(QSize picture, QSize box);

    QPointF map(QPointF onPicture) const { return offset + onPicture * scale; }
    QRectF map(const QRectF &onPicture) const { return {map(onPicture.topLeft()), onPicture.size() * scale}; }
};

// The picture drawn into a box of that size through its letterbox; a picture of the box's size is returned as it is.
QImage letterboxed(const QImage &picture, QSize box);

} // namespace kelvora
