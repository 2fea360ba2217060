#pragma once

#include <functional>

class QObject;

namespace kelvora {

// Runs one handler of the run: a press, a click, a timer's tick, on the screen
// that origin belongs to (none at start-up). A run-time error it raises stops
// the run and is reported from here, so no exception ever crosses Qt's event
// dispatch. The screen is not destroyed while the handler runs.
void runHandler(const QObject *origin, const std::function<void()> &handler);

// A slot for connect() that runs the handler through runHandler.
template <class Handler> auto guarded(const QObject *origin, Handler handler)
{
    return [origin, handler = std::move(handler)] { runHandler(origin, handler); };
}

// Stops the run: every screen's timers stop and no screen takes a press any more.
void stopRun();

} // namespace kelvora
