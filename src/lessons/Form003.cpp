#include "Form003.h"

namespace kelvora {

// Eight switches in a row; the last two marks cover almost the same place.
// clang-format off
static const LessonDesign Design{
    .screen = 3,
    .inset = "images\\KokpitB.bmp",
    .firstPhotograph = "images\\004.jpg",
    .marks = {
        {.name = "shape1", .rect = {46, 138, 69, 89}, .visible = true},
        {.name = "Shape2", .rect = {146, 134, 127, 113}},
        {.name = "Shape3", .rect = {60, 436, 53, 69}},
        {.name = "Shape4", .rect = {124, 436, 51, 71}},
        {.name = "Shape5", .rect = {184, 456, 115, 43}, .kind = Shape::Kind::Oval},
        {.name = "Shape6", .rect = {148, 518, 51, 77}},
        {.name = "Shape7", .rect = {446, 228, 69, 83}},
        {.name = "Shape8", .rect = {446, 226, 69, 89}},
    },
    .blinkTimers = {
        {.name = "Timer1", .enabled = true},
        {.name = "Timer2"}, {.name = "Timer3"}, {.name = "Timer4"},
        {.name = "Timer5"}, {.name = "Timer6"}, {.name = "Timer7"}, {.name = "Timer8"},
    },
    .steps = {
        {.activeWhile = "Timer1", .mark = "shape1", .cue = "Dugme2", .photograph = "Images\\005.jpg",
         .followUp = {show("Shape2"), start("Timer2")}, .nextLine = true},
        {.activeWhile = "Timer2", .mark = "Shape2", .cue = "Dugme4", .photograph = "Images\\006.jpg",
         .followUp = {show("Shape3"), start("Timer3")}, .nextLine = true},
        {.activeWhile = "Timer3", .mark = "Shape3", .cue = "Dugme1", .photograph = "Images\\007.jpg",
         .followUp = {show("Shape4"), start("Timer4")}, .nextLine = true},
        {.activeWhile = "Timer4", .mark = "Shape4", .cue = "Dugme1", .photograph = "Images\\008.jpg",
         .followUp = {show("Shape5"), start("Timer5")}, .nextLine = true},
        {.activeWhile = "Timer5", .mark = "Shape5", .cue = "Dugme1", .photograph = "Images\\009.jpg",
         .followUp = {show("Shape6"), start("Timer6")}, .nextLine = true},
        {.activeWhile = "Timer6", .mark = "Shape6", .cue = "Dugme1", .photograph = "Images\\010.jpg",
         .followUp = {show("Shape7"), start("Timer7")}, .nextLine = true},
        {.activeWhile = "Timer7", .mark = "Shape7", .cue = "Dugme1", .photograph = "Images\\011.jpg",
         .followUp = {show("Shape8"), start("Timer8")}},
        {.activeWhile = "Timer8", .mark = "Shape8", .cue = "Dugme1", .photograph = "Images\\012.jpg",
         .followUp = showContinueMark()},
    },
};
// clang-format on

Form003::Form003() : LessonScreen(Design) {}

} // namespace kelvora
