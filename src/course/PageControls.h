#pragma once

#include "course/LessonDesign.h"

#include <QList>
#include <QRect>
#include <QSize>

#include <utility>

namespace kelvora {

// The trainer's own controls on a lesson page, in page pixels, where a target
// under them could not be pressed or seen.
struct PageControls {
    explicit PageControls(const LessonLayout &layout) : layout(layout) {}

    LessonLayout layout;
    QRect explanation{layout.explain, QSize(ExplainWidth, layout.explainHeight)};
    QRect exit{layout.exitLeft - LocalizedExitShift, 6, LocalizedExitWidth, 27};
    QRect inset{layout.inset, InsetSize};
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
