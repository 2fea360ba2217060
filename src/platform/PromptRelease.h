#pragma once

namespace kelvora {

// Makes the memory of large blocks, such as a photograph's pixels, go back to
// the system as soon as they are freed. A page change holds two photographs
// for a moment; left to its defaults, the C library keeps such blocks in its
// heap after the first has been freed, and the heap only grows.
void releaseLargeBlocksPromptly();

} // namespace kelvora
