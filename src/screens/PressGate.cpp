#include "PressGate.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>

#include <utility>

namespace kelvora {

PressGate::PressGate(QObject *parent) : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

void PressGate::drainLeavingPage()
{
    m_draining = true;
    // Twice: the first pass may turn what the window system had read into queued events.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    m_draining = false;
    m_leadingPress = m_lastPress;
}

bool PressGate::isSecondPressOf(const Press &leading, const Press &press) const
{
    const QStyleHints *hints = QGuiApplication::styleHints();
    return press.button == leading.button && press.timestamp >= leading.timestamp
        && press.timestamp - leading.timestamp <= quint64(hints->mouseDoubleClickInterval())
        && (press.globalPosition - leading.globalPosition).manhattanLength() <= hints->mouseDoubleClickDistance();
}

bool PressGate::eventFilter(QObject *watched, QEvent *event)
{
    // Only what the window system delivers to a window; the widgets get it from there.
    if (!watched->isWindowType())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        const Press press{mouse->timestamp(), mouse->globalPosition(), mouse->button()};
        // Only the press right after the one that led on can be its second click. A double
        // click comes as a press and then a double-click event: that pair goes as one.
        const std::optional<Press> leading = std::exchange(m_leadingPress, std::nullopt);
        const bool restOfDroppedClick =
            event->type() == QEvent::MouseButtonDblClick && m_droppedButtons.testFlag(press.button);
        if (m_draining || restOfDroppedClick || (leading && isSecondPressOf(*leading, press))) {
            m_droppedButtons |= press.button;
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress)
            m_lastPress = press;
        return false;
    }
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_draining || m_droppedButtons.testFlag(mouse->button())) {
            m_droppedButtons &= ~mouse->button();
            return true;
        }
        return false;
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
        return m_draining;
    default:
        return false;
    }
}

} // namespace kelvora
