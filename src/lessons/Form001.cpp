#include "Form001.h"

namespace kelvora {

// The opening cockpit view: nothing to operate, the continue mark is live from the start.
static const LessonDesign Design{
    .screen = 1,
    .inset = "images\\KokpitD.bmp",
    .firstPhotograph = "images\\001.jpg",
};

Form001::Form001() : LessonScreen(Design) {}

} // namespace kelvora
