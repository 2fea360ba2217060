#pragma once

#include "LessonDesign.h"

#include <vector>

namespace kelvora {

// What the built-in course's photographs show, in Turkish, English and French, for the screen reader: its
// course file has no words for them.
void addBuiltInDescriptions(std::vector<LessonDesign> &screens);

// What the built-in course's cues and engine sounds are, in the same three languages, for the caption line.
void addBuiltInSoundCaptions(std::vector<LessonDesign> &screens);

} // namespace kelvora
