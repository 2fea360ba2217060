#pragma once

#include "screens/LessonChain.h"
#include "screens/LessonScreen.h"
#include "screens/Run.h"

#include <QCoreApplication>
#include <QLabel>

namespace kelvora::test {

// Lesson screen `screen` of the run's course, not yet loaded.
inline LessonScreen *lessonScreen(Run &run, int screen)
{
    return static_cast<LessonScreen *>(createLessonScreen(run, screen));
}

// Opens a lesson as the run reaches it: the line before its first is on display.
inline LessonScreen *openLessonAtLine(Run &run, int screen, int firstLine)
{
    LessonScreen *form = lessonScreen(run, screen);
    run.explanationCursor = firstLine - 1;
    form->open();
    return form;
}

inline QString explainText(const Screen *screen)
{
    return screen->control<QLabel>(QStringLiteral("Explain"))->text();
}

inline bool shown(const Screen *screen, const QString &name)
{
    return !screen->control<QWidget>(name)->isHidden();
}

inline bool running(const LessonScreen *screen, const QString &name)
{
    return screen->timer(name)->isEnabled();
}

// Delivers a timer's tick through the event loop, as the real timer does, so
// a run-time error it raises is reported as in the trainer.
inline void tickQueued(Timer *timer)
{
    QMetaObject::invokeMethod(timer, &Timer::tick, Qt::QueuedConnection);
    QCoreApplication::sendPostedEvents(timer, QEvent::MetaCall);
}

} // namespace kelvora::test
