#include "RunEnding.h"

#include "platform/ProgramEnd.h"
#include "screens/PrgModule.h"

namespace kelvora {

RunEnding::RunEnding(LessonScreen &screen, RunEndingDesign design) : LessonKind(screen), m_design(std::move(design)) {}

bool RunEnding::next()
{
    PlayCue(m_design.cue);
    endProgram(0);
    return true;
}

} // namespace kelvora
