#include "SignalQuit.h"

#include <QCoreApplication>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace kelvora {

#ifdef Q_OS_UNIX
namespace {
int signalPipe[2] = {-1, -1};
volatile std::sig_atomic_t quitPending = 0;

// Only async-signal-safe calls here; the event loop does the rest.
void onSignal(int signal)
{
    if (quitPending) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    quitPending = 1;
    const char number = char(signal);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &number, 1);
}
} // namespace

void quitOnTerminationSignals()
{
    if (signalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [notifier] {
        char number = 0;
        if (::read(signalPipe[0], &number, 1) == 1) {
            notifier->setEnabled(false);
            QCoreApplication::exit(128 + number);
        }
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}
#else
void quitOnTerminationSignals() {}
#endif

} // namespace kelvora
