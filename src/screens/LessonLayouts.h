#pragma once

#include "LessonDesign.h"

namespace kelvora {

inline constexpr int LessonCount = 18;

// The layout of lesson screen 1 to 18.
const LessonLayout &lessonLayout(int screen);

} // namespace kelvora
