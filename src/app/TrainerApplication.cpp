#include "TrainerApplication.h"

#include "platform/ErrorReport.h"

namespace kelvora {

TrainerApplication::TrainerApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("kelvora-trainer"));
    setQuitOnLastWindowClosed(true);
}

bool TrainerApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const RuntimeError &error) {
        reportRuntimeError(error);
        return true;
    }
}

} // namespace kelvora
