#include "Course.h"

#include <algorithm>

namespace kelvora {

QString soundKey(const QString &name)
{
    return contentRelativePath(name).toLower();
}

namespace {
int linesIn(const Actions &actions)
{
    return int(std::count_if(actions.begin(), actions.end(),
                             [](const ScreenAction &action) { return action.verb == ScreenAction::Verb::Line; }));
}
} // namespace

int Course::linesRead(const LessonDesign &screen)
{
    int lines = 1 + linesIn(screen.atLoad); // the load sequence reads one
    for (const StepDesign &step : screen.steps)
        lines += (step.nextLine ? 1 : 0) + linesIn(step.followUp);
    if (screen.timedSequence)
        lines += linesIn(screen.timedSequence->view) + linesIn(screen.timedSequence->finish);
    if (screen.throttleQuadrant)
        lines += linesIn(screen.throttleQuadrant->atIdle);
    if (screen.pressCounter)
        lines += linesIn(screen.pressCounter->done);
    return lines;
}

int Course::linesRead() const
{
    int lines = 0;
    for (const LessonDesign &screen : screens)
        lines += linesRead(screen);
    return lines;
}

int Course::screenOfLine(int line) const
{
    if (line < 1)
        return 0;
    for (const LessonDesign &screen : screens) {
        line -= linesRead(screen);
        if (line <= 0)
            return screen.screen;
    }
    return 0;
}

} // namespace kelvora
