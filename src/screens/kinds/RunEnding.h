#pragma once

#include "LessonKind.h"
#include "course/LessonDesign.h"

namespace kelvora {

// The end of a complete run: the closing cue, played to its end, then no further screen.
class RunEnding : public LessonKind {
    Q_OBJECT
public:
    RunEnding(LessonScreen &screen, RunEndingDesign design);

    bool next() override;

private:
    RunEndingDesign m_design;
};

} // namespace kelvora
