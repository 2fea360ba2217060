#include "LessonFlow.h"

#include "course/ControlNames.h"

#include <algorithm>

namespace kelvora {

namespace {
bool addOnce(std::vector<QString> &names, const QString &name)
{
    const QString key = name.toLower();
    if (std::find(names.begin(), names.end(), key) != names.end())
        return false;
    names.push_back(key);
    return true;
}
} // namespace

LessonFlow::LessonFlow(const LessonDesign &design) : m_design(design), m_stepActive(design.steps.size(), false)
{
    for (const BlinkTimerDesign &timer : design.blinkTimers) {
        if (timer.enabled)
            enable(timer.name);
    }
    if (design.layout.continueBlinking)
        enable(names::ContinueTimer);
    if (design.layout.continueLabelShown)
        addOnce(m_shown, names::ContinueLabel);
    apply(design.atLoad);

    // Each round takes every press and tick that can happen by now, until one adds nothing.
    for (bool grew = true; grew;) {
        grew = false;
        for (size_t i = 0; i < design.steps.size(); ++i) {
            if (canEnable(design.steps[i].activeWhile)) {
                m_stepActive[i] = true;
                grew |= apply(design.steps[i].followUp);
            }
        }
        if (const auto &sequence = design.timedSequence) {
            if (canEnable(names::SequenceDelay))
                grew |= apply(sequence->view);
            if (canEnable(names::SequenceTimer))
                grew |= apply(sequence->finish);
        }
        if (const auto &quadrant = design.throttleQuadrant) {
            if (canEnable(quadrant->pullTimer))
                grew |= enable(quadrant->liftTimer);
            if (canEnable(quadrant->liftTimer))
                grew |= enable(quadrant->pushTimer);
            if (canEnable(quadrant->pushTimer))
                grew |= apply(quadrant->atIdle);
        }
        if (const auto &counter = design.pressCounter; counter && canEnable(counter->timer))
            grew |= apply(counter->done);
    }
    m_leadsOn = canEnable(names::ContinueTimer) ||
                std::find(m_shown.begin(), m_shown.end(), QString(names::ContinueLabel).toLower()) != m_shown.end();
}

bool LessonFlow::pressCounterCanBeActive() const
{
    return !m_design.pressCounter || canEnable(m_design.pressCounter->timer);
}

bool LessonFlow::throttleCanBeActive() const
{
    return !m_design.throttleQuadrant || canEnable(m_design.throttleQuadrant->pullTimer);
}

bool LessonFlow::canEnable(const QString &timer) const
{
    return std::find(m_enabled.begin(), m_enabled.end(), timer.toLower()) != m_enabled.end();
}

bool LessonFlow::enable(const QString &timer)
{
    return addOnce(m_enabled, timer);
}

bool LessonFlow::apply(const Actions &actions)
{
    bool grew = false;
    for (const ScreenAction &action : actions) {
        if (action.verb == ScreenAction::Verb::Start)
            grew |= enable(action.argument);
        else if (action.verb == ScreenAction::Verb::Show)
            grew |= addOnce(m_shown, action.argument);
    }
    return grew;
}

QList<CourseFinding> lessonFlowFindings(const Course &course)
{
    QList<CourseFinding> findings;
    for (const LessonDesign &design : course.screens) {
        const LessonFlow flow(design);
        const QString screen = QStringLiteral("screen %1").arg(design.screen);
        for (size_t step = 0; step < design.steps.size(); ++step) {
            if (!flow.stepCanBeActive(step))
                findings.append({{}, {}, {}, QStringLiteral("%1, step %2: can never become active: nothing starts its timer %3")
                                                 .arg(screen).arg(step + 1).arg(design.steps[step].activeWhile)});
        }
        if (!flow.pressCounterCanBeActive())
            findings.append({{}, {}, {}, QStringLiteral("%1: the press counter can never become active").arg(screen)});
        if (!flow.throttleCanBeActive())
            findings.append({{}, {}, {}, QStringLiteral("%1: the throttle can never become active").arg(screen)});
        if (!flow.leadsOn())
            findings.append({{}, {}, {}, QStringLiteral("%1: can never lead on: nothing starts the continue mark's timer "
                                                        "%2 or shows its label %3").arg(screen, names::ContinueTimer, names::ContinueLabel)});
    }
    return findings;
}

} // namespace kelvora
