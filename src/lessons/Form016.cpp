#include "Form016.h"

namespace kelvora {

// clang-format off
static const LessonDesign Design{
    .screen = 16,
    .inset = "images\\KokpitE.bmp",
    .firstPhotograph = "images\\072.jpg",
    .marks = {
        {.name = "Shape1", .index = 0, .rect = {536, 260, 217, 183}, .kind = Shape::Kind::RoundedSquare,
         .border = PointerCyan},
    },
    .blinkTimers = {
        {.name = "Timer1", .enabled = true},
    },
};
// clang-format on

Form016::Form016() : LessonScreen(Design) {}

} // namespace kelvora
