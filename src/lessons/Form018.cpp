#include "Form018.h"

#include "screens/PrgModule.h"

namespace kelvora {

// clang-format off
static const LessonDesign Design{
    .screen = 18,
    .inset = "images\\KokpitD.bmp",
    .firstPhotograph = "images\\075.jpg",
    .marks = {
        {.name = "Shape1", .rect = {200, 540, 37, 33}},
        {.name = "Shape2", .rect = {152, 592, 37, 33}},
        {.name = "Shape3", .rect = {688, 366, 163, 35}, .kind = Shape::Kind::Oval},
    },
    .blinkTimers = {
        {.name = "Timer1", .enabled = true},
        {.name = "Timer2"},
        {.name = "Timer3"},
    },
    .steps = {
        {.activeWhile = "Timer1", .mark = "Shape1", .cue = "Dugme2", .photograph = "Images\\076.jpg",
         .followUp = {show("Shape2"), start("Timer2")}, .nextLine = true},
        {.activeWhile = "Timer2", .mark = "Shape2", .cue = "Dugme1", .photograph = "Images\\077.jpg",
         .followUp = {show("Shape3"), start("Timer3")}, .nextLine = true},
        {.activeWhile = "Timer3", .mark = "Shape3", .cue = "Dugme1", .photograph = "Images\\078.jpg",
         .followUp = {show("ShapeDVM"), show("LabelDVM"), start("TimerDVM")}},
    },
    .engineLoop = true,
};
// clang-format on

Form018::Form018() : LessonScreen(Design) {}

// The end of a complete run: the closing click, played to its end, then no further screen.
void Form018::next()
{
    if (!leave())
        return;
    PlayCue(QStringLiteral("Dugme1"));
    finishRun();
}

} // namespace kelvora
