#include "RunGuard.h"

#include "Run.h"
#include "Screen.h"
#include "platform/ErrorReport.h"
#include "platform/ProgramEnd.h"

namespace kelvora {

namespace {
void stopAndReport(Run &run, const RuntimeError &error)
{
    run.stop();
    run.ended(RunResult::error(error.message())); // before the box waits for OK
    run.report(error);
}
} // namespace

void runHandler(const QObject *origin, const std::function<void()> &handler)
{
    Screen *screen = Screen::of(origin);
    const Screen::Handling handling(screen);
    try {
        handler();
    } catch (const RuntimeError &error) {
        if (!screen) { // a handler outside any run: nothing to stop but the program
            showRuntimeError(error);
            endProgram(1);
        }
        stopAndReport(screen->run(), error);
    }
}

void runHandler(Run &run, const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const RuntimeError &error) {
        stopAndReport(run, error);
    }
}

} // namespace kelvora
