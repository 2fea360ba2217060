#pragma once

namespace kelvora {

// Guided: the marks show where to press. Check: the trainee finds the places;
// a mark shows only as a hint.
enum class RunMode { Guided, Check };

} // namespace kelvora
