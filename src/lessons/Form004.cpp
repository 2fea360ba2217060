#include "Form004.h"

namespace kelvora {

// One step; the continue mark stands steady from load, so its label already leads on.
// clang-format off
static const LessonDesign Design{
    .screen = 4,
    .inset = "images\\KokpitF.bmp",
    .firstPhotograph = "images\\013.jpg",
    .marks = {
        {.name = "Shape1", .rect = {768, 196, 139, 147}},
    },
    .blinkTimers = {
        {.name = "Timer1", .enabled = true},
    },
    .steps = {
        {.activeWhile = "Timer1", .mark = "Shape1", .cue = "Dugme4", .photograph = "Images\\014.jpg",
         .followUp = showContinueMark()},
    },
};
// clang-format on

Form004::Form004() : LessonScreen(Design) {}

} // namespace kelvora
