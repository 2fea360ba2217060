#include "Form008.h"

namespace kelvora {

// Four operations of one switch column, each a little higher than the last.
// clang-format off
static const LessonDesign Design{
    .screen = 8,
    .inset = "images\\KokpitF.bmp",
    .firstPhotograph = "images\\043.jpg",
    .marks = {
        {.name = "Shape1", .rect = {298, 368, 53, 57}},
        {.name = "Shape2", .rect = {308, 306, 53, 57}},
        {.name = "Shape3", .rect = {318, 250, 53, 57}},
        {.name = "Shape4", .rect = {324, 196, 53, 57}},
    },
    .blinkTimers = {
        {.name = "Timer1", .enabled = true},
        {.name = "Timer2"}, {.name = "Timer3"}, {.name = "Timer4"},
    },
    .steps = {
        {.activeWhile = "Timer1", .mark = "Shape1", .cue = "Dugme5", .photograph = "Images\\044.jpg",
         .followUp = {show("Shape2"), start("Timer2")}, .nextLine = true},
        {.activeWhile = "Timer2", .mark = "Shape2", .cue = "Dugme5", .photograph = "Images\\045.jpg",
         .followUp = {show("Shape3"), start("Timer3")}, .nextLine = true},
        {.activeWhile = "Timer3", .mark = "Shape3", .cue = "Dugme5", .photograph = "Images\\046.jpg",
         .followUp = {show("Shape4"), start("Timer4")}, .nextLine = true},
        {.activeWhile = "Timer4", .mark = "Shape4", .cue = "Dugme5", .photograph = "Images\\047.jpg",
         .followUp = showContinueMark()},
    },
    .engineLoop = true,
};
// clang-format on

Form008::Form008() : LessonScreen(Design) {}

} // namespace kelvora
