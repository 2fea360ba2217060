#include "LessonWalker.h"

#include "TestRun.h"
#include "course/ControlNames.h"
#include "screens/LessonScreen.h"

#include <QHash>
#include <QSignalSpy>

#include <algorithm>

namespace kelvora::test {

namespace {
// "Timer7": a step's blink timer. Told without a regular expression, which
// would load its library into the memory benchmark's run.
bool isStepTimer(const QString &name)
{
    const QString number = name.mid(names::BlinkTimerPrefix.size());
    return name.startsWith(names::BlinkTimerPrefix) && !number.isEmpty()
        && std::all_of(number.begin(), number.end(), [](QChar c) { return c.isDigit(); });
}
} // namespace

Shape *LessonWalker::blinkingStepMark(LessonScreen &screen) const
{
    for (Timer *timer : screen.findChildren<Timer *>()) {
        if (!timer->isEnabled() || !isStepTimer(timer->objectName()))
            continue;
        QHash<Shape *, bool> before;
        for (Shape *shape : screen.findChildren<Shape *>())
            before.insert(shape, shape->isHidden());
        QSignalSpy ticked(timer, &Timer::ticked);
        if (m_realTime ? !ticked.wait(2000) : (timer->tick(), ticked.isEmpty()))
            continue;
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            const QColor border = it.key()->borderColor();
            if (it.key()->isHidden() != it.value() && (border == MarkYellow || border == MarkRed))
                return it.key();
        }
    }
    return nullptr;
}

bool LessonWalker::runSequence(LessonScreen &screen) const
{
    if (m_realTime) {
        QTest::qWait(100);
        return true;
    }
    for (const char *name : {"Timerkokpitbekle", "TimerDVMBekle"}) {
        if (auto *timer = screen.findChild<Timer *>(QLatin1String(name)); timer && timer->isEnabled()) {
            timer->tick();
            return true;
        }
    }
    return false;
}

bool LessonWalker::act(LessonScreen &screen, bool leadOn) const
{
    if (leadOn && pressContinue(screen))
        return true;
    if (Shape *mark = blinkingStepMark(screen)) {
        press(&screen, centreOnWindow(*mark));
        return true;
    }
    return runSequence(screen);
}

bool LessonWalker::pressContinue(LessonScreen &screen)
{
    if (!screen.timer(QStringLiteral("TimerDVM"))->isEnabled())
        return false;
    press(&screen, centreOnWindow(*screen.mark(QStringLiteral("ShapeDVM"))));
    return true;
}

QPoint centreOnWindow(const Shape &mark)
{
    // A mark may reach past the window's edge: the middle of its part on the window.
    const QWidget *window = mark.window();
    return (QRect(mark.mapTo(window, QPoint(0, 0)), mark.size()) & window->rect()).center();
}

} // namespace kelvora::test
