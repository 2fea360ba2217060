#pragma once

namespace kelvora {

// Turns SIGINT and SIGTERM into a quit of the application's event loop with
// status 128 + the signal's number, so the program ends as when its window is
// closed (the run's record is written) and the shell sees the usual status.
// A second signal before the quit ends the program at once. Nothing where the
// platform has no such signals.
void quitOnTerminationSignals();

} // namespace kelvora
