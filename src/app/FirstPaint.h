#pragma once

#include <functional>

namespace kelvora {

// Runs action once, from the event loop, right after the first window of the
// application has been painted: for work that must not delay the first picture.
void afterFirstPaint(std::function<void()> action);

} // namespace kelvora
