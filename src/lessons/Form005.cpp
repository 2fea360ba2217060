#include "Form005.h"

#include "platform/SoundPlayer.h"
#include "screens/TimedSequence.h"

namespace kelvora {

// clang-format off
static const LessonDesign Design{
    .screen = 5,
    .inset = "images\\Kokpitb.bmp",
    .firstPhotograph = "images\\015.jpg",
    .marks = {
        {.name = "Shape1", .rect = {782, 266, 95, 89}},
        {.name = "Shape2", .rect = {876, 356, 93, 89}, .border = WatchGreen},
    },
    .blinkTimers = {
        {.name = "Timer1", .enabled = true},
        {.name = "Timer2"},
    },
    .steps = {
        {.activeWhile = "Timer1", .mark = "Shape1", .cue = "Dugme3", .photograph = "Images\\016.jpg",
         .followUp = {start("Timerkokpitbekle")}},
    },
};

static const TimedSequence::Design Sequence{
    .periodMs = 5400, .lastTick = 5, .photographOffset = 17,
    .watchMark = "Shape2", .watchTimer = "Timer2", .loopSound = "sounds\\20loop.wav",
};
// clang-format on

Form005::Form005() : LessonScreen(Design), m_sequence(new TimedSequence(*this, Sequence))
{
    connect(m_sequence->delay(), &Timer::ticked, this, &Form005::showCockpitView);
}

int Form005::waitTickCount() const
{
    return m_sequence->waitTickCount();
}

void Form005::showCockpitView()
{
    setPicture(QStringLiteral("images\\017.jpg"));
    mark(QStringLiteral("Shape2"))->show();
    timer(QStringLiteral("Timer2"))->setEnabled(true);
    m_sequence->sequence()->setEnabled(true);
    m_sequence->delay()->setEnabled(false);
    setInset(QStringLiteral("images\\KokpitD.bmp"));
    showNextLine();
    playSound("sounds\\JFS20.wav", SoundModule, SoundAsync);
}

} // namespace kelvora
