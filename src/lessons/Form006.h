#pragma once

#include "screens/LessonScreen.h"

namespace kelvora {

class ThrottleQuadrant;
class TimedSequence;

// The throttle quadrant: the throttle to idle and back on the quadrant inset,
// a press on the cockpit between, then a second timed sequence.
class Form006 : public LessonScreen {
    Q_OBJECT
public:
    Form006();

    ThrottleQuadrant *quadrant() const { return m_quadrant; }
    int waitTickCount() const;

protected:
    void load() override;
    void loadInsets() override;
    void pressWindow(QPointF position) override;

private:
    void pressQuadrant(QPointF position);
    void pullThrottleToOff();
    void raiseFingerLift();
    void pushThrottleToIdle();
    void showCockpitView();

    ThrottleQuadrant *m_quadrant;
    TimedSequence *m_sequence;
};

} // namespace kelvora
