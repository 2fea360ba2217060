#pragma once

#include "course/LessonDesign.h"

#include <QList>
#include <QRect>
#include <QSize>

#include <utility>

namespace kelvora {

// A lesson page, in its own pixels: photographs are fitted whole into it.
inline constexpr QSize PageSize{1024, 768};

// The trainer's own controls on a lesson page, in page pixels, where a target
// under them could not be pressed or seen.
struct PageControls {
    explicit PageControls(const LessonLayout &layout) : layout(layout) {}

    LessonLayout layout;
    QRect explanation{layout.explain, QSize(741, layout.explainHeight)};
    QRect exit{layout.exitLeft - 18, 6, 55, 27}; // widened to the left once the screen is localized
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

} // namespace kelvora
