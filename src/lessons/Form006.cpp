#include "Form006.h"

#include "ThrottleQuadrant.h"
#include "app/RunState.h"
#include "platform/SoundPlayer.h"
#include "screens/StepTracker.h"
#include "screens/TimedSequence.h"

#include <QEventLoop>
#include <QTimer>

namespace kelvora {

namespace {
constexpr int IdlePauseMs = 500;

// A pause in which the window stays responsive.
void pauseHandlingEvents(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
} // namespace

// clang-format off
static const LessonDesign Design{
    .screen = 6,
    .inset = "images\\KokpitC.bmp",
    .firstPhotograph = "images\\024.jpg",
    .marks = {
        {.name = "Shape2", .rect = {-46, 612, 95, 89}},
        {.name = "Shape4", .rect = {876, 356, 93, 89}, .border = WatchGreen},
    },
    // Timer1 and Timer3 blink the step marks inside the quadrant.
    .blinkTimers = {
        {.name = "Timer1", .enabled = true},
        {.name = "Timer2"},
        {.name = "Timer3"},
        {.name = "Timer4"},
    },
};

static const TimedSequence::Design Sequence{
    .periodMs = 3250, .lastTick = 9, .photographOffset = 25,
    .watchMark = "Shape4", .watchTimer = "Timer4", .loopSound = "sounds\\70loop.wav", .lineAtFinish = true,
};
// clang-format on

Form006::Form006()
    : LessonScreen(Design), m_quadrant(new ThrottleQuadrant(this, {24, 288, 173, 253})),
      m_sequence(new TimedSequence(*this, Sequence))
{
    connect(m_quadrant, &ThrottleQuadrant::pressed, this, &Form006::pressQuadrant);
    connect(m_sequence->delay(), &Timer::ticked, this, &Form006::showCockpitView);
    trackStep("Timer1", "Shape1");
    trackStep("Timer2", "Shape2");
    trackStep("Timer3", "Shape3");
}

int Form006::waitTickCount() const
{
    return m_sequence->waitTickCount();
}

void Form006::loadInsets()
{
    LessonScreen::loadInsets();
    m_quadrant->setPicture(QStringLiteral("images\\cougar.jpg"));
}

void Form006::load()
{
    LessonScreen::load();
    m_quadrant->setCaption(ThrottleQuadrant::Position::Half, CurrentLanguage);
}

void Form006::pressQuadrant(QPointF position)
{
    const StepTracker::Press watch(stepTracker(), m_quadrant->canvas(), position);
    if (timer(QStringLiteral("Timer1"))->isEnabled() && mark(QStringLiteral("Shape1"))->hits(position))
        pullThrottleToOff();
    else if (timer(QStringLiteral("Timer3"))->isEnabled() && mark(QStringLiteral("Shape3"))->hits(position))
        pushThrottleToIdle();
}

void Form006::pressWindow(QPointF position)
{
    if (timer(QStringLiteral("Timer2"))->isEnabled() && mark(QStringLiteral("Shape2"))->hits(position))
        raiseFingerLift();
    else
        pressContinueMark(position);
}

void Form006::pullThrottleToOff()
{
    timer(QStringLiteral("Timer1"))->setEnabled(false);
    mark(QStringLiteral("Shape1"))->hide();
    m_quadrant->moveKnob(-1);
    pauseHandlingEvents(IdlePauseMs);
    timer(QStringLiteral("Timer2"))->setEnabled(true);
    mark(QStringLiteral("Shape2"))->show();
    m_quadrant->hide();
}

void Form006::raiseFingerLift()
{
    // Gives way to a sound still playing: after the engine start its loop goes on and no click is heard.
    playSound("sounds\\Dugme3.wav", SoundModule, SoundNoStop);
    timer(QStringLiteral("Timer2"))->setEnabled(false);
    mark(QStringLiteral("Shape2"))->hide();
    timer(QStringLiteral("Timer3"))->setEnabled(true);
    mark(QStringLiteral("Shape3"))->show();
    m_quadrant->setCaption(ThrottleQuadrant::Position::Idle, CurrentLanguage);
    m_quadrant->show();
}

void Form006::pushThrottleToIdle()
{
    timer(QStringLiteral("Timer3"))->setEnabled(false);
    mark(QStringLiteral("Shape3"))->hide();
    m_quadrant->moveKnob(+1);
    m_sequence->delay()->setEnabled(true);
    m_quadrant->hide();
}

void Form006::showCockpitView()
{
    setPicture(QStringLiteral("images\\025.jpg"));
    m_sequence->sequence()->setEnabled(true);
    m_sequence->delay()->setEnabled(false);
    showNextLine();
    setInset(QStringLiteral("images\\KokpitD.bmp"));
    playSound("sounds\\20to70.wav", SoundModule, SoundAsync);
    mark(QStringLiteral("Shape4"))->show();
    timer(QStringLiteral("Timer4"))->setEnabled(true);
}

} // namespace kelvora
