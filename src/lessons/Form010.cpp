#include "Form010.h"

#include "platform/SoundPlayer.h"

namespace kelvora {

namespace {
constexpr int PressesNeeded = 6;
constexpr int PhotographBeforeFirstPress = 49;
} // namespace

// clang-format off
static const LessonDesign Design{
    .screen = 10,
    .inset = "images\\KokpitD.bmp",
    .firstPhotograph = "images\\049.jpg",
    .marks = {
        {.name = "Shape1", .rect = {338, 374, 61, 101}, .kind = Shape::Kind::Oval},
    },
    .blinkTimers = {
        {.name = "Timer1", .enabled = true},
    },
};
// clang-format on

Form010::Form010() : LessonScreen(Design)
{
    trackStep("Timer1", "Shape1");
}

void Form010::pressWindow(QPointF position)
{
    if (timer(QStringLiteral("Timer1"))->isEnabled() && mark(QStringLiteral("Shape1"))->hits(position)) {
        if (countPress())
            return;
    }
    pressContinueMark(position);
}

// True when this press ended the counting.
bool Form010::countPress()
{
    ++m_pressCount;
    playSound("sounds\\dugme5.wav", NoModule, SoundSync);
    restartEngineLoop();
    setPicture(numberedPhotograph(m_pressCount + PhotographBeforeFirstPress));
    if (m_pressCount < PressesNeeded)
        return false;
    timer(QStringLiteral("Timer1"))->setEnabled(false);
    mark(QStringLiteral("Shape1"))->hide();
    runFollowUp(showContinueMark());
    return true;
}

} // namespace kelvora
