#include "Form013.h"

namespace kelvora {

// clang-format off
static const LessonDesign Design{
    .screen = 13,
    .inset = "images\\KokpitA.bmp",
    .firstPhotograph = "images\\068.jpg",
    .marks = {
        {.name = "Shape1", .rect = {214, 168, 51, 43}},
    },
    .blinkTimers = {
        {.name = "Timer1", .enabled = true},
    },
    .steps = {
        {.activeWhile = "Timer1", .mark = "Shape1", .cue = "Dugme2", .photograph = "images\\069.jpg",
         .followUp = {show("ShapeDVM"), show("LabelDVM"), start("TimerDVM")}},
    },
    .engineLoop = true,
};
// clang-format on

Form013::Form013() : LessonScreen(Design) {}

} // namespace kelvora
