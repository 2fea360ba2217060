#pragma once

#include <QDateTime>
#include <QElapsedTimer>

namespace kelvora {

// Where the run record takes its times from. The trainer reads a monotonic
// clock from the wall time at start-up; tests advance a clock of their own.
class RunClock {
public:
    virtual ~RunClock() = default;
    virtual QDateTime now() const = 0;
};

class SystemRunClock : public RunClock {
public:
    SystemRunClock() : m_start(QDateTime::currentDateTimeUtc()) { m_elapsed.start(); }
    QDateTime now() const override { return m_start.addMSecs(m_elapsed.elapsed()); }

private:
    QDateTime m_start;
    QElapsedTimer m_elapsed;
};

} // namespace kelvora
