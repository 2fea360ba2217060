#pragma once

#include <QSize>
#include <QTransform>

#include <algorithm>

namespace kelvora {

// How the trainer fits a photograph of any size whole into its page: scaled by
// one factor to touch the page's sides or its top and bottom, and centred.
struct PageFit {
    static constexpr QSize Page{1024, 768};

    explicit PageFit(QSize photograph)
        : scale(photograph.isEmpty() ? 1.0
                                     : std::min(qreal(Page.width()) / photograph.width(),
                                                qreal(Page.height()) / photograph.height())),
          offset((Page.width() - photograph.width() * scale) / 2, (Page.height() - photograph.height() * scale) / 2)
    {
    }

    // Photograph pixels to page pixels.
    QTransform transform() const { return QTransform::fromTranslate(offset.x(), offset.y()).scale(scale, scale); }

    qreal scale;
    QPointF offset;
};

} // namespace kelvora
