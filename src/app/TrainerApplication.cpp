#include "TrainerApplication.h"

#include "platform/PromptRelease.h"

namespace kelvora {

TrainerApplication::TrainerApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    releaseLargeBlocksPromptly();
    setApplicationName(QStringLiteral("kelvora-trainer"));
    setQuitOnLastWindowClosed(true);
}

} // namespace kelvora
