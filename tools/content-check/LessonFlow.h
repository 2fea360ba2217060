#pragma once

#include "CourseCheck.h"
#include "course/Course.h"
#include "course/LessonDesign.h"

#include <QString>
#include <vector>

namespace kelvora {

// What can ever happen on a lesson screen, worked out from its design alone:
// which timers can become enabled, which controls can show, and so which
// presses can ever be taken and whether the screen can lead on. Stopping and
// hiding are left out, so what it says can never happen really never can.
class LessonFlow {
public:
    explicit LessonFlow(const LessonDesign &design);

    // By the design's step, first step first.
    bool stepCanBeActive(size_t step) const { return m_stepActive.at(step); }
    // The timer is enabled at some point.
    bool canEnable(const QString &timer) const;
    // The press counter and the throttle's pull, lift and push.
    bool pressCounterCanBeActive() const;
    bool throttleCanBeActive() const;
    // The continue mark blinks or its label shows at some point.
    bool leadsOn() const { return m_leadsOn; }

private:
    bool apply(const Actions &actions);
    bool enable(const QString &timer);

    const LessonDesign &m_design;
    std::vector<QString> m_enabled; // lower case: names are matched without regard to case
    std::vector<QString> m_shown;
    std::vector<bool> m_stepActive;
    bool m_leadsOn = false;
};

// A finding for each step, press counter or throttle of the course that can
// never become active, and for each screen that can never lead on.
QList<CourseFinding> lessonFlowFindings(const Course &course);

} // namespace kelvora
