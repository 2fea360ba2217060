#include "RunGuard.h"

#include "Screen.h"
#include "platform/ErrorReport.h"
#include "screens/RunObserver.h"

#include <QApplication>

namespace kelvora {

void runHandler(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const RuntimeError &error) {
        stopRun();
        RunObserver::current().runEnded(RunResult::error(error.message())); // before the box waits for OK
        reportRuntimeError(error);
    }
}

void stopRun()
{
    for (QWidget *widget : QApplication::allWidgets()) {
        if (auto *screen = qobject_cast<Screen *>(widget))
            screen->leave();
    }
}

} // namespace kelvora
