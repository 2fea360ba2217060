#include "Form012.h"

namespace kelvora {

// Three steps on two marks: the switch under Shape1 is set, then Shape2's, then
// Shape1's back again, which brings back the photograph of load. Timer3 blinks
// Shape1 for that third step.
// clang-format off
static const LessonDesign Design{
    .screen = 12,
    .inset = "images\\KokpitD.bmp",
    .firstPhotograph = "images\\066.jpg",
    .marks = {
        {.name = "Shape1", .rect = {30, 204, 51, 49}},
        {.name = "Shape2", .rect = {914, 626, 117, 59}, .kind = Shape::Kind::Oval}, // past the right edge
    },
    .blinkTimers = {
        {.name = "Timer1", .enabled = true},
        {.name = "Timer2"},
        {.name = "Timer3", .blinks = {"Shape1"}},
    },
    .steps = {
        {.activeWhile = "Timer1", .mark = "Shape1", .cue = "Dugme2", .photograph = "images\\067.jpg",
         .followUp = {show("Shape2"), start("Timer2")}, .nextLine = true},
        {.activeWhile = "Timer2", .mark = "Shape2", .cue = "Dugme2",
         .followUp = {show("Shape1"), start("Timer3")}, .nextLine = true},
        {.activeWhile = "Timer3", .mark = "Shape1", .cue = "Dugme1", .photograph = "images\\066.jpg",
         .followUp = {show("ShapeDVM"), show("LabelDVM"), start("TimerDVM")}},
    },
    .engineLoop = true,
};
// clang-format on

Form012::Form012() : LessonScreen(Design) {}

} // namespace kelvora
