#pragma once

#include "LessonKind.h"
#include "course/LessonDesign.h"

namespace kelvora {

class Timer;

// The timed photograph sequence that follows a click step on some lessons.
// A step starts the delay timer `Timerkokpitbekle`; its one tick runs the
// design's view change, which starts `TimerDVMBekle`. Each tick of that timer
// counts `WaitTickCount` up and shows the next numbered photograph; the last
// tick shows none and runs the design's finish instead.
class TimedSequence : public LessonKind {
    Q_OBJECT
public:
    TimedSequence(LessonScreen &screen, const TimedSequenceDesign &design);

private:
    void tick();
    QStringList photographsAhead() const override;

    TimedSequenceDesign m_design;
    Timer *m_delay;
    Timer *m_sequence;
    int m_waitTickCount = 0;
};

} // namespace kelvora
