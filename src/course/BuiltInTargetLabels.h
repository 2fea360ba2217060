#pragma once

#include "Course.h"
#include "LessonDesign.h"

#include <vector>

namespace kelvora {

// Names the places the built-in course has the trainee press, in Turkish,
// English and French, for the screen reader: its course file names only marks.
void addBuiltInTargetLabels(std::vector<LessonDesign> &screens);

// The built-in course as a run teaches it: its file with the labels above, its photographs' descriptions and
// its sounds' captions.
Course loadBuiltInCourse();

} // namespace kelvora
