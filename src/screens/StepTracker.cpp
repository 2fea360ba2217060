#include "StepTracker.h"

#include "Shape.h"
#include "Timer.h"
#include "Run.h"
#include "Screen.h"

#include <QKeyEvent>
#include <QWidget>

namespace kelvora {

StepTracker::StepTracker(Screen &screen, int screenNumber)
    : QObject(&screen), m_screen(screen), m_run(screen.run()), m_screenNumber(screenNumber),
      m_checking(screen.run().mode() == RunMode::Check)
{
    if (m_checking)
        screen.installEventFilter(this);
}

void StepTracker::track(Timer *activeWhile, Shape *mark)
{
    const int index = int(m_steps.size());
    m_steps.push_back({activeWhile, mark});
    if (m_checking)
        mark->setConcealed(true);
    connect(activeWhile, &Timer::started, this, [this, index] { activate(index); });
}

void StepTracker::screenLoaded()
{
    m_run.observer().screenShown(m_screenNumber);
    for (int index = 0; index < int(m_steps.size()); ++index) {
        if (m_steps[index].activeWhile->isEnabled())
            activate(index);
    }
}

void StepTracker::activate(int index)
{
    Step &step = m_steps[index];
    step.misses = 0;
    step.hinted = false;
    m_run.observer().stepActive(m_screenNumber, index + 1, step.mark->objectName());
}

void StepTracker::hint()
{
    for (int index = 0; index < int(m_steps.size()); ++index) {
        if (m_steps[index].activeWhile->isEnabled())
            reveal(index);
    }
}

void StepTracker::reveal(int index)
{
    Step &step = m_steps[index];
    if (!m_checking || step.hinted)
        return;
    step.hinted = true;
    step.mark->setConcealed(false);
    step.mark->show();
    m_run.observer().hinted(m_screenNumber, index + 1);
}

bool StepTracker::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_screen && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_H) {
        hint();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

StepTracker::Press::Press(StepTracker &tracker, QWidget *surface, QPointF position)
    : m_tracker(tracker), m_atScreen(surface->mapTo(&tracker.m_screen, position))
{
    const std::vector<Step> &steps = tracker.m_steps;
    for (int index = 0; index < int(steps.size()); ++index) {
        const Step &step = steps[index];
        if (!step.activeWhile->isEnabled())
            continue;
        if (step.mark->hits(step.mark->parentWidget()->mapFrom(&tracker.m_screen, m_atScreen))) {
            m_target = index;
            return;
        }
        if (m_missed < 0)
            m_missed = index;
    }
}

StepTracker::Press::~Press()
{
    m_tracker.settle(m_target, m_missed, m_atScreen);
}

// After the screen has handled the press: a step whose timer it stopped was
// taken; a press that hit no active mark is a miss.
void StepTracker::settle(int target, int missed, QPointF atScreen)
{
    if (target >= 0) {
        Step &step = m_steps[target];
        if (step.activeWhile->isEnabled())
            return; // a step taken by several presses
        if (m_checking)
            step.mark->setConcealed(true);
        m_run.observer().stepHit(m_screenNumber, target + 1);
        return;
    }
    if (missed < 0)
        return;
    m_run.observer().missed(m_screenNumber, missed + 1, atScreen);
    if (++m_steps[missed].misses == MissesBeforeHint)
        reveal(missed);
}

} // namespace kelvora
