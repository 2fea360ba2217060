#include "Form009.h"

namespace kelvora {

// clang-format off
static const LessonDesign Design{
    .screen = 9,
    .inset = "images\\KokpitD.bmp",
    .firstPhotograph = "images\\048.jpg",
    .marks = {
        {.name = "Shape1", .rect = {142, 224, 251, 229}, .border = PointerGreen, .visible = true},
        {.name = "Shape2", .rect = {622, 228, 251, 229}, .border = PointerGreen, .visible = true},
        {.name = "Shape3", .rect = {668, 42, 191, 87}, .kind = Shape::Kind::Oval, .border = PointerGreen,
         .visible = true},
    },
    .blinkTimers = {
        {.name = "Timer1", .enabled = true, .blinks = {"Shape1", "Shape2", "Shape3"}},
    },
};
// clang-format on

Form009::Form009() : LessonScreen(Design) {}

void Form009::load()
{
    LessonScreen::load();
    timer(QStringLiteral("TimerDVM"))->setEnabled(true);
    continueLabel()->show();
    mark(QStringLiteral("ShapeDVM"))->show();
}

} // namespace kelvora
