#include "Form015.h"

namespace kelvora {

// clang-format off
static const LessonDesign Design{
    .screen = 15,
    .inset = "images\\KokpitD.bmp",
    .firstPhotograph = "images\\071.jpg",
    .marks = {
        {.name = "Shape1", .index = 0, .rect = {110, 392, 69, 75}, .border = PointerCyan},
        {.name = "Shape1", .index = 1, .rect = {64, 484, 43, 45}, .border = PointerCyan},
        {.name = "Shape1", .index = 2, .rect = {824, 424, 205, 173}, .border = PointerCyan},
        {.name = "Shape1", .index = 3, .rect = {102, 606, 43, 45}, .border = PointerCyan},
        {.name = "Shape1", .index = 4, .rect = {124, 406, 131, 149}, .border = PointerCyan},
    },
    .blinkTimers = {
        {.name = "Timer1", .enabled = true},
    },
};
// clang-format on

Form015::Form015() : LessonScreen(Design) {}

} // namespace kelvora
