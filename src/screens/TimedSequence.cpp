#include "TimedSequence.h"

#include "LessonScreen.h"
#include "Timer.h"
#include "platform/RuntimeError.h"
#include "platform/SoundPlayer.h"

namespace kelvora {

namespace {
constexpr int ViewDelayMs = 750;
}

TimedSequence::TimedSequence(LessonScreen &screen, const Design &design)
    : QObject(&screen), m_screen(screen), m_design(design),
      m_delay(new Timer(&screen, QStringLiteral("Timerkokpitbekle"), ViewDelayMs, false)),
      m_sequence(new Timer(&screen, QStringLiteral("TimerDVMBekle"), design.periodMs, false))
{
    connect(m_sequence, &Timer::ticked, this, &TimedSequence::tick);
}

void TimedSequence::tick()
{
    m_waitTickCount = checkedIncrement(m_waitTickCount, "WaitTickCount");
    if (m_waitTickCount == m_design.lastTick)
        finish();
    else
        m_screen.setPicture(LessonScreen::numberedPhotograph(m_waitTickCount + m_design.photographOffset));
}

void TimedSequence::finish()
{
    m_screen.timer(QStringLiteral("TimerDVM"))->setEnabled(true);
    m_screen.control<QWidget>(QStringLiteral("LabelDVM"))->show();
    m_screen.mark(QStringLiteral("ShapeDVM"))->show();
    m_screen.mark(QLatin1String(m_design.watchMark))->hide();
    m_screen.timer(QLatin1String(m_design.watchTimer))->setEnabled(false);
    m_sequence->setEnabled(false);
    playSound(m_design.loopSound, NoModule, SoundAsync | SoundLoop);
    if (m_design.lineAtFinish)
        m_screen.showNextLine();
}

} // namespace kelvora
