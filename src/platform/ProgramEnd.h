#pragma once

namespace kelvora {

// Ends the program at once with the given status: no unload handlers run and no
// sound is waited for. A run ends through Run::end, which a test or a tool
// points elsewhere; this is the real end behind it.
[[noreturn]] void endProgram(int status);

} // namespace kelvora
