#pragma once

#include "course/PageControls.h"

#include <QSize>
#include <QTransform>

#include <algorithm>

namespace kelvora {

// How the trainer fits a photograph of any size whole into its page: scaled by
// one factor to touch the page's sides or its top and bottom, and centred.
struct PageFit {
    explicit PageFit(QSize photograph)
        : scale(photograph.isEmpty() ? 1.0
                                     : std::min(qreal(LessonPictureSize.width()) / photograph.width(),
                                                qreal(LessonPictureSize.height()) / photograph.height())),
          offset((LessonPictureSize.width() - photograph.width() * scale) / 2, (LessonPictureSize.height() - photograph.height() * scale) / 2)
    {
    }

    // Photograph pixels to page pixels.
    QTransform transform() const { return QTransform::fromTranslate(offset.x(), offset.y()).scale(scale, scale); }

    qreal scale;
    QPointF offset;
};

} // namespace kelvora
