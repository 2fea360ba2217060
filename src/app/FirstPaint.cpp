#include "FirstPaint.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <cstdio>

namespace kelvora {

namespace {
class FirstPaintWatch final : public QObject {
public:
    explicit FirstPaintWatch(std::function<void()> action) : m_action(std::move(action)) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_action) {
            // Queued, so that the rest of the window is painted and shown first.
            QTimer::singleShot(0, qApp, [action = std::move(m_action)] {
                action();
                // bench/ starts the program with this set to time its first paint and to watch it idle.
                if (qEnvironmentVariableIsSet("KELVORA_REPORT_FIRST_PAINT")) {
                    std::puts("first paint");
                    std::fflush(stdout);
                }
            });
            m_action = nullptr;
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_action;
};
} // namespace

void afterFirstPaint(std::function<void()> action)
{
    qApp->installEventFilter(new FirstPaintWatch(std::move(action)));
}

} // namespace kelvora
