#pragma once

#include "course/Format2Screen.h"

#include <QList>
#include <QRect>
#include <QSizeF>
#include <QTransform>

#include <utility>

namespace kelvora {

// The trainer's own controls on a lesson page, in page pixels, where a target
// under them could not be pressed or seen.
struct PageControls {
    LessonLayout layout = authorsLayout();
    QRect explanation{layout.explain, QSize(741, layout.explainHeight)};
    QRect exit{layout.exitLeft, 6, 37, 27};
    QRect inset{layout.inset, QSize(207, 221)};
    QRect continueMark = layout.continueMark | layout.continueLabel;

    QList<std::pair<QString, QRect>> list(bool withInset) const
    {
        QList<std::pair<QString, QRect>> controls{{QStringLiteral("explanation label"), explanation},
                                                  {QStringLiteral("Exit button"), exit},
                                                  {QStringLiteral("Continue mark"), continueMark}};
        if (withInset)
            controls.insert(1, {QStringLiteral("inset"), inset});
        return controls;
    }
};

// A photograph's pixels to the page's: fitted whole into the 1024 x 768 page, centred.
inline QTransform letterbox(QSizeF photograph)
{
    const qreal scale = std::min(1024 / photograph.width(), 768 / photograph.height());
    return QTransform::fromTranslate((1024 - photograph.width() * scale) / 2, (768 - photograph.height() * scale) / 2)
        .scale(scale, scale);
}

} // namespace kelvora
