#include "TimedSequence.h"

#include "course/ControlNames.h"
#include "platform/RuntimeError.h"
#include "screens/LessonScreen.h"
#include "screens/Timer.h"

namespace kelvora {

namespace {
constexpr int ViewDelayMs = 750;
}

TimedSequence::TimedSequence(LessonScreen &screen, const TimedSequenceDesign &design)
    : LessonKind(screen), m_design(design),
      m_delay(new Timer(&screen, names::SequenceDelay, ViewDelayMs, false)),
      m_sequence(new Timer(&screen, names::SequenceTimer, design.periodMs, false))
{
    connect(m_delay, &Timer::ticked, this, [this] { this->screen().runActions(m_design.view); });
    connect(m_sequence, &Timer::ticked, this, &TimedSequence::tick);
}

void TimedSequence::tick()
{
    m_waitTickCount = checkedIncrement(m_waitTickCount, "WaitTickCount");
    if (m_waitTickCount == m_design.lastTick)
        screen().runActions(m_design.finish);
    else {
        screen().setPicture(m_design.photograph(m_waitTickCount));
        screen().readAheadAgain();
    }
}

QStringList TimedSequence::photographsAhead() const
{
    QStringList ahead;
    for (int tick = m_waitTickCount + 1; tick < m_design.lastTick; ++tick)
        ahead.append(m_design.photograph(tick));
    return ahead;
}

} // namespace kelvora
