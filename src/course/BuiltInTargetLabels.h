#pragma once

#include "LessonDesign.h"

#include <vector>

namespace kelvora {

// Names the places the built-in course has the trainee press, in Turkish,
// English and French, for the screen reader: its course file names only marks.
void addBuiltInTargetLabels(std::vector<LessonDesign> &screens);

} // namespace kelvora
