#pragma once

#include <QImage>
#include <QTransform>

class QPainter;
class QRegion;

namespace kelvora {

// A page's background as it is painted: its photograph, black wherever the
// photograph leaves any of the page, and each pixel painted once. At design
// scale the photograph is drawn as it is. Scaled, the first paint after a
// change draws it scaled; a later paint (a mark blinking) keeps the scaled
// photograph and copies from it until the photograph or the scale changes.
class PageBackground {
public:
    void paint(QPainter &painter, const QImage &picture, const QRegion &exposed);
    // The photograph has changed.
    void clear();

private:
    QImage m_scaled;
    qint64 m_pictureKey = 0;
    QTransform m_transform;
};

} // namespace kelvora
