#pragma once

#include "LessonKind.h"
#include "course/LessonDesign.h"

namespace kelvora {

class ThrottleQuadrant;

// The throttle quadrant inset and its steps: the throttle pulled to off on the
// quadrant, a press on the window to lift the finger lift, the throttle pushed
// to idle on the quadrant again.
class ThrottleSteps : public LessonKind {
    Q_OBJECT
public:
    ThrottleSteps(LessonScreen &screen, const ThrottleQuadrantDesign &design);

    void loadInsets() override;
    void loaded() override;
    bool press(QPointF position) override;

private:
    void pressQuadrant(QPointF position);
    void pullThrottleToOff();
    void raiseFingerLift();
    void pushThrottleToIdle();
    void showCaption(const QStringList &captions);

    ThrottleQuadrantDesign m_design;
    ThrottleQuadrant *m_quadrant;
};

} // namespace kelvora
