#include "PromptRelease.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace kelvora {

void releaseLargeBlocksPromptly()
{
#if defined(__GLIBC__)
    // A fixed threshold: the default one rises to the size of any mapped block once it is freed.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024);
#endif
}

} // namespace kelvora
