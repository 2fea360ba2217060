#pragma once

namespace kelvora {

// Turns SIGINT and SIGTERM into a quit of the application's event loop with
// status 128 + the signal's number, so the program ends as when its window is
// closed (the run's record is written) and the shell sees the usual status.
// A second signal before the quit ends the program at once, unless it comes
// within two seconds of the first (timeout and a logout send two at once) or
// while a FinalWrite is under way. Nothing where the platform has no such signals.
void quitOnTerminationSignals();

// While one lives, a second termination signal waits for it to end.
class FinalWrite {
public:
    FinalWrite();
    ~FinalWrite();
    FinalWrite(const FinalWrite &) = delete;
    FinalWrite &operator=(const FinalWrite &) = delete;
};

} // namespace kelvora
