#include "RunEnding.h"

#include "screens/LessonScreen.h"
#include "screens/PrgModule.h"

namespace kelvora {

RunEnding::RunEnding(LessonScreen &screen, RunEndingDesign design) : LessonKind(screen), m_design(std::move(design)) {}

// The end of a complete run: the closing click, played to its end, then no further screen.
bool RunEnding::next()
{
    if (screen().leave()) {
        if (!m_design.cue.isEmpty())
            PlayCue(screen(), m_design.cue);
        screen().finishRun();
    }
    return true;
}

} // namespace kelvora
