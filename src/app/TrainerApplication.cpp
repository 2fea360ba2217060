#include "TrainerApplication.h"

namespace kelvora {

TrainerApplication::TrainerApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("kelvora-trainer"));
    setQuitOnLastWindowClosed(true);
}

} // namespace kelvora
