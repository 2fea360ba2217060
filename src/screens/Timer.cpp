#include "Timer.h"

#include "RunGuard.h"

namespace kelvora {

Timer::Timer(QObject *parent, const QString &name, int intervalMs, bool enabled) : QObject(parent)
{
    setObjectName(name);
    // Lesson timers pace timed sequences: a coarse timer would let them drift by 5 %.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &Timer::tick);
    if (enabled)
        m_timer.start();
}

void Timer::setEnabled(bool enabled)
{
    if (!enabled) {
        m_timer.stop();
        return;
    }
    const bool wasRunning = m_timer.isActive();
    m_timer.start();
    if (!wasRunning)
        emit started();
}

void Timer::tick()
{
    runHandler(this, [this] { emit ticked(); });
}

} // namespace kelvora
