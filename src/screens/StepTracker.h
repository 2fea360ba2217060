#pragma once

#include <QObject>
#include <QPointF>
#include <vector>

class QWidget;

namespace kelvora {

class Run;
class Screen;
class Shape;
class Timer;

// Follows the click steps of one lesson screen for the run record: when each
// becomes active (its timer starts), which press takes it, and the presses
// that land outside every active mark before that (misses). In check mode it
// also keeps the step marks concealed and shows the active step's mark as a
// hint, on the H key or after the third miss.
class StepTracker : public QObject {
    Q_OBJECT
public:
    static constexpr int MissesBeforeHint = 3;

    StepTracker(Screen &screen, int screenNumber);

    // Steps are numbered in the order they are tracked.
    void track(Timer *activeWhile, Shape *mark);
    // The screen is loading: its time and its steps that are already active start now.
    void screenLoaded();
    // Shows the mark of every active step that is still concealed.
    void hint();

    // One press on a surface of the screen (the window, or a picture box that
    // holds marks), watched while the screen handles it.
    class Press {
    public:
        Press(StepTracker &tracker, QWidget *surface, QPointF position);
        ~Press();
        Press(const Press &) = delete;
        Press &operator=(const Press &) = delete;

    private:
        StepTracker &m_tracker;
        int m_target = -1;  // the active step whose mark the press hits
        int m_missed = -1;  // else the first active step, which the miss counts against
        QPointF m_atScreen;
    };

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Step {
        Timer *activeWhile;
        Shape *mark;
        int misses = 0;
        bool hinted = false;
    };

    void activate(int index);
    void reveal(int index);
    void settle(int target, int missed, QPointF atScreen);

    QWidget &m_screen;
    Run &m_run;
    int m_screenNumber;
    bool m_checking;
    std::vector<Step> m_steps;
};

} // namespace kelvora
