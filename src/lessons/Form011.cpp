#include "Form011.h"

namespace kelvora {

// The longest chain: nine switches, the sixth and seventh at the same place,
// and every step reads a line, the last included.
// clang-format off
static const LessonDesign Design{
    .screen = 11,
    .inset = "images\\KokpitD.bmp",
    .firstPhotograph = "images\\056.jpg",
    .marks = {
        {.name = "Shape1", .rect = {430, 288, 37, 233}, .kind = Shape::Kind::Oval},
        {.name = "Shape2", .rect = {240, 388, 37, 33}},
        {.name = "Shape3", .rect = {240, 424, 37, 33}},
        {.name = "Shape4", .rect = {340, 402, 37, 33}},
        {.name = "Shape5", .rect = {370, 402, 37, 33}},
        {.name = "Shape6", .rect = {354, 440, 69, 67}},
        {.name = "Shape7", .rect = {354, 440, 69, 67}},
        {.name = "Shape8", .rect = {318, 294, 65, 59}},
        {.name = "Shape9", .rect = {176, 488, 51, 49}},
    },
    .blinkTimers = {
        {.name = "Timer1", .enabled = true},
        {.name = "Timer2"}, {.name = "Timer3"}, {.name = "Timer4"}, {.name = "Timer5"},
        {.name = "Timer6"}, {.name = "Timer7"}, {.name = "Timer8"}, {.name = "Timer9"},
    },
    .steps = {
        {.activeWhile = "Timer1", .mark = "Shape1", .cue = "Dugme2", .photograph = "Images\\057.jpg",
         .followUp = {show("Shape2"), start("Timer2")}, .nextLine = true},
        {.activeWhile = "Timer2", .mark = "Shape2", .cue = "Dugme1", .photograph = "Images\\058.jpg",
         .followUp = {show("Shape3"), start("Timer3")}, .nextLine = true},
        {.activeWhile = "Timer3", .mark = "Shape3", .cue = "Dugme1", .photograph = "Images\\059.jpg",
         .followUp = {show("Shape4"), start("Timer4")}, .nextLine = true},
        {.activeWhile = "Timer4", .mark = "Shape4", .cue = "Dugme1", .photograph = "Images\\060.jpg",
         .followUp = {show("Shape5"), start("Timer5")}, .nextLine = true},
        {.activeWhile = "Timer5", .mark = "Shape5", .cue = "Dugme1", .photograph = "Images\\061.jpg",
         .followUp = {show("Shape6"), start("Timer6")}, .nextLine = true},
        {.activeWhile = "Timer6", .mark = "Shape6", .cue = "Dugme4", .photograph = "Images\\062.jpg",
         .followUp = {show("Shape7"), start("Timer7")}, .nextLine = true},
        {.activeWhile = "Timer7", .mark = "Shape7", .cue = "Dugme4", .photograph = "Images\\063.jpg",
         .followUp = {start("Timer8"), show("Shape8")}, .nextLine = true},
        {.activeWhile = "Timer8", .mark = "Shape8", .cue = "Dugme1", .photograph = "Images\\064.jpg",
         .followUp = {start("Timer9"), show("Shape9")}, .nextLine = true},
        {.activeWhile = "Timer9", .mark = "Shape9", .cue = "Dugme1", .photograph = "Images\\065.jpg",
         .followUp = {show("ShapeDVM"), show("LabelDVM"), start("TimerDVM")}, .nextLine = true},
    },
    .engineLoop = true,
};
// clang-format on

Form011::Form011() : LessonScreen(Design) {}

} // namespace kelvora
