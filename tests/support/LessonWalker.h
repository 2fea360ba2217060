#pragma once

class QPoint;

namespace kelvora {
class LessonScreen;
class Shape;
} // namespace kelvora

namespace kelvora::test {

// Walks a lesson as a trainee would, one action at a time. Ticks are waited for
// in real time, or delivered at once through the Timer controls.
class LessonWalker {
public:
    explicit LessonWalker(bool realTime) : m_realTime(realTime) {}

    // The step mark that blinks now, watched over one tick of each running step
    // timer. Green watch marks and pointer marks are not for pressing.
    Shape *blinkingStepMark(LessonScreen &screen) const;
    // While a timed sequence runs: its next tick, waited for or delivered now.
    // Without waiting, false when no sequence runs.
    bool runSequence(LessonScreen &screen) const;
    // Presses the continue mark; false when it does not lead on yet.
    static bool pressContinue(LessonScreen &screen);
    // One action: the continue mark where it leads on (if asked to lead on), else
    // the blinking step mark, else the running timed sequence. False when none is left.
    bool act(LessonScreen &screen, bool leadOn) const;

private:
    bool m_realTime;
};

// The centre of a mark's part on its window, in the window's coordinates.
QPoint centreOnWindow(const Shape &mark);

} // namespace kelvora::test
