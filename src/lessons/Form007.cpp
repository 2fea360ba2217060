#include "Form007.h"

namespace kelvora {

// Eight switches with the engine running.
// clang-format off
static const LessonDesign Design{
    .screen = 7,
    .inset = "images\\KokpitG.bmp",
    .firstPhotograph = "images\\034.jpg",
    .marks = {
        {.name = "Shape1", .rect = {348, 296, 53, 57}},
        {.name = "Shape2", .rect = {412, 296, 53, 57}},
        {.name = "Shape3", .rect = {478, 296, 53, 57}},
        {.name = "Shape4", .rect = {546, 298, 53, 57}},
        {.name = "Shape5", .rect = {436, 398, 53, 57}},
        {.name = "Shape6", .rect = {488, 398, 53, 57}},
        {.name = "Shape7", .rect = {542, 400, 53, 57}},
        {.name = "Shape8", .rect = {352, 370, 85, 81}},
    },
    .blinkTimers = {
        {.name = "Timer1", .enabled = true},
        {.name = "Timer2"}, {.name = "Timer3"}, {.name = "Timer4"},
        {.name = "Timer5"}, {.name = "Timer6"}, {.name = "Timer7"}, {.name = "Timer8"},
    },
    .steps = {
        {.activeWhile = "Timer1", .mark = "Shape1", .cue = "Dugme2", .photograph = "Images\\035.jpg",
         .followUp = {show("Shape2"), start("Timer2")}, .nextLine = true},
        {.activeWhile = "Timer2", .mark = "Shape2", .cue = "Dugme1", .photograph = "Images\\036.jpg",
         .followUp = {show("Shape3"), start("Timer3")}, .nextLine = true},
        {.activeWhile = "Timer3", .mark = "Shape3", .cue = "Dugme1", .photograph = "Images\\037.jpg",
         .followUp = {show("Shape4"), start("Timer4")}, .nextLine = true},
        {.activeWhile = "Timer4", .mark = "Shape4", .cue = "Dugme1", .photograph = "Images\\038.jpg",
         .followUp = {show("Shape5"), start("Timer5")}, .nextLine = true},
        {.activeWhile = "Timer5", .mark = "Shape5", .cue = "Dugme1", .photograph = "Images\\039.jpg",
         .followUp = {show("Shape6"), start("Timer6")}, .nextLine = true},
        {.activeWhile = "Timer6", .mark = "Shape6", .cue = "Dugme1", .photograph = "Images\\040.jpg",
         .followUp = {show("Shape7"), start("Timer7")}, .nextLine = true},
        {.activeWhile = "Timer7", .mark = "Shape7", .cue = "Dugme1", .photograph = "Images\\041.jpg",
         .followUp = {show("Shape8"), start("Timer8")}, .nextLine = true},
        {.activeWhile = "Timer8", .mark = "Shape8", .cue = "Dugme4", .photograph = "Images\\042.jpg",
         .followUp = showContinueMark()},
    },
    .engineLoop = true,
};
// clang-format on

Form007::Form007() : LessonScreen(Design) {}

} // namespace kelvora
