#include "Timer.h"

namespace kelvora {

Timer::Timer(QObject *parent, const QString &name, int intervalMs, bool enabled) : QObject(parent)
{
    setObjectName(name);
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
    emit ticked();
}

} // namespace kelvora
