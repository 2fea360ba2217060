#pragma once

#include <QObject>

namespace kelvora {

class LessonScreen;
class Timer;

// The timed photograph sequence that follows a click step on some lessons.
// The step starts the delay timer `Timerkokpitbekle`; its one tick is the
// lesson's own delayed view change, which starts `TimerDVMBekle`. Each tick of
// that timer counts `WaitTickCount` up and shows the next numbered photograph;
// the last tick shows none and finishes instead: the continue mark comes, the
// watch mark goes and the engine's loop sound starts.
class TimedSequence : public QObject {
    Q_OBJECT
public:
    struct Design {
        int periodMs;
        int lastTick;
        int photographOffset; // tick k shows numbered photograph k + offset
        const char *watchMark;
        const char *watchTimer;
        const char *loopSound;
        bool lineAtFinish = false;
    };

    TimedSequence(LessonScreen &screen, const Design &design);

    Timer *delay() const { return m_delay; }
    Timer *sequence() const { return m_sequence; }
    int waitTickCount() const { return m_waitTickCount; }

private:
    void tick();
    void finish();

    LessonScreen &m_screen;
    Design m_design;
    Timer *m_delay;
    Timer *m_sequence;
    int m_waitTickCount = 0;
};

} // namespace kelvora
