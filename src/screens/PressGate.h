#pragma once

#include <QObject>
#include <QPointF>
#include <optional>

namespace kelvora {

// Decides which page a press belongs to: the page on display when it was made.
// It watches input where the window system delivers it, to the run window.
// When a page hands over, the input already queued for the run window is
// delivered and dropped (it was made on the leaving page, however long it
// waited behind a cue), and the second press of a double click on the control
// that led on is dropped too, so it does not lead on from the new page: the
// press right after the one that led on, within the double-click time and place.
class PressGate : public QObject {
    Q_OBJECT
public:
    explicit PressGate(QObject *parent = nullptr);

    // Call when the page on display hands over, before the next page is shown.
    void drainLeavingPage();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Press {
        quint64 timestamp;
        QPointF globalPosition;
        Qt::MouseButton button;
    };

    bool isSecondPressOf(const Press &leading, const Press &press) const;

    bool m_draining = false;
    std::optional<Press> m_lastPress;
    std::optional<Press> m_leadingPress; // the press that led on to the page on display
    Qt::MouseButtons m_droppedButtons;   // their releases are dropped too
};

} // namespace kelvora
