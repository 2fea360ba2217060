#include "RunGuard.h"

#include "Screen.h"
#include "platform/ErrorReport.h"

#include <QApplication>

namespace kelvora {

void runHandler(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const RuntimeError &error) {
        stopRun();
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
