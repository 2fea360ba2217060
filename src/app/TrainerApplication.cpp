#include "TrainerApplication.h"

#include "platform/LargeBuffers.h"

namespace kelvora {

TrainerApplication::TrainerApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    giveLargeBuffersBack();
    // One id for the desktop: the menu entry's file name, the Wayland app id and the X11 window class
    // (which Qt takes from the application name) all match, so the desktop puts the window under its entry.
    setApplicationName(QStringLiteral("org.kelvora.trainer"));
    setDesktopFileName(QStringLiteral("org.kelvora.trainer"));
    setQuitOnLastWindowClosed(true);
}

} // namespace kelvora
