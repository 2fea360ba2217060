#include "Form017.h"

namespace kelvora {

// One step, which returns to a photograph of screen 13.
// clang-format off
static const LessonDesign Design{
    .screen = 17,
    .inset = "images\\KokpitA.bmp",
    .firstPhotograph = "images\\073.jpg",
    .marks = {
        {.name = "Shape1", .rect = {214, 168, 51, 43}},
    },
    .blinkTimers = {
        {.name = "Timer1", .enabled = true},
    },
    .steps = {
        {.activeWhile = "Timer1", .mark = "Shape1", .cue = "Dugme2", .photograph = "images\\068.jpg",
         .followUp = {show("ShapeDVM"), show("LabelDVM"), start("TimerDVM")}},
    },
    .engineLoop = true,
};
// clang-format on

Form017::Form017() : LessonScreen(Design) {}

} // namespace kelvora
