#include "Form002.h"

namespace kelvora {

// clang-format off
static const LessonDesign Design{
    .screen = 2,
    .inset = "images\\KokpitC.bmp",
    .firstPhotograph = "images\\002.jpg",
    .marks = {
        {.name = "shape1", .rect = {292, 206, 69, 89}, .visible = true},
    },
    .blinkTimers = {
        {.name = "Timer1", .enabled = true},
    },
    .steps = {
        {.activeWhile = "Timer1", .mark = "shape1", .cue = "Dugme1", .photograph = "Images\\003.jpg",
         .followUp = showContinueMark()},
    },
};
// clang-format on

Form002::Form002() : LessonScreen(Design) {}

} // namespace kelvora
