#include "FirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>


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
            QTimer::singleShot(0, qApp, std::move(m_action));
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
