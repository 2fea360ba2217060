#include "TrainerApplication.h"

#include "platform/LargeBuffers.h"

namespace kelvora {

TrainerApplication::TrainerApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    giveLargeBuffersBack();
    setApplicationName(QStringLiteral("kelvora-trainer"));
    setQuitOnLastWindowClosed(true);
}

} // namespace kelvora
