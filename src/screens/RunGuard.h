#pragma once

#include <functional>

namespace kelvora {

// Runs one handler of the run: a press, a click, a timer's tick. A run-time
// error it raises stops the run and is reported from here, so no exception
// ever crosses Qt's event dispatch.
void runHandler(const std::function<void()> &handler);

// A slot for connect() that runs the handler through runHandler.
template <class Handler> auto guarded(Handler handler)
{
    return [handler = std::move(handler)] { runHandler(handler); };
}

// Stops the run: every screen's timers stop and no screen takes a press any more.
void stopRun();

} // namespace kelvora
