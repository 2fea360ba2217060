#include "SignalQuit.h"

#include <QCoreApplication>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>
#include <atomic>
#include <csignal>
#include <ctime>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace kelvora {

#ifdef Q_OS_UNIX
namespace {
constexpr long SameRequestSeconds = 2;

int signalPipe[2] = {-1, -1};
std::atomic<int> signalsSeen{0};
std::atomic<long> firstSignalAt{0}; // seconds + 1; 0 while the first signal's handler has not got so far
std::atomic<int> finalWrites{0};
std::atomic<int> deferredSignal{0};
static_assert(std::atomic<int>::is_always_lock_free && std::atomic<long>::is_always_lock_free);

long monotonicSeconds()
{
    timespec now = {};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return long(now.tv_sec) + 1;
}

void endNow(int signal)
{
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Only async-signal-safe calls here; the event loop does the rest.
void onSignal(int signal)
{
    // Any thread may take a signal, even two at the same moment.
    if (signalsSeen.fetch_add(1) > 0) {
        const long first = firstSignalAt.load();
        if (first == 0 || monotonicSeconds() - first < SameRequestSeconds)
            return; // the same request to end
        if (finalWrites.load() > 0)
            deferredSignal.store(signal);
        else
            endNow(signal);
        return;
    }
    firstSignalAt.store(monotonicSeconds());
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

FinalWrite::FinalWrite()
{
    ++finalWrites;
}

FinalWrite::~FinalWrite()
{
    if (--finalWrites == 0) {
        if (const int signal = deferredSignal.exchange(0))
            endNow(signal);
    }
}
#else
void quitOnTerminationSignals() {}
FinalWrite::FinalWrite() {}
FinalWrite::~FinalWrite() {}
#endif

} // namespace kelvora
