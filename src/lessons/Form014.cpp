#include "Form014.h"

namespace kelvora {

// clang-format off
static const LessonDesign Design{
    .screen = 14,
    .inset = "images\\KokpitC.bmp",
    .firstPhotograph = "images\\070.jpg",
    .marks = {
        {.name = "Shape1", .index = 0, .rect = {144, 452, 89, 89}, .border = PointerCyan},
        {.name = "Shape1", .index = 1, .rect = {334, 108, 89, 89}, .border = PointerCyan},
        {.name = "Shape1", .index = 2, .rect = {232, 350, 205, 51}, .kind = Shape::Kind::Oval, .border = PointerCyan},
    },
    .blinkTimers = {
        {.name = "Timer1", .enabled = true},
    },
};
// clang-format on

Form014::Form014() : LessonScreen(Design) {}

} // namespace kelvora
