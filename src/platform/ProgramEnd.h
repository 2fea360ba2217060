#pragma once

#include <functional>

namespace kelvora {

// Ends the program at once with the given status: no unload handlers run and no
// sound is waited for. Tests install a handler that records the end instead;
// callers treat endProgram as their last action.
void endProgram(int status);

using ProgramEndHandler = std::function<void(int status)>;
void setProgramEndHandler(ProgramEndHandler handler); // an empty handler restores the real end

} // namespace kelvora
