#pragma once

#include <functional>

class QObject;

namespace kelvora {

class Run;

// Runs one handler of the run: a press, a click, a timer's tick, on the screen
// that origin belongs to. A run-time error it raises stops that screen's run and
// is reported through it, so no exception ever crosses Qt's event dispatch.
// The screen is not destroyed while the handler runs.
void runHandler(const QObject *origin, const std::function<void()> &handler);
// The same for the run's start, before it has a screen.
void runHandler(Run &run, const std::function<void()> &handler);

// A slot for connect() that runs the handler through runHandler.
template <class Handler> auto guarded(const QObject *origin, Handler handler)
{
    return [origin, handler = std::move(handler)] { runHandler(origin, handler); };
}

} // namespace kelvora
