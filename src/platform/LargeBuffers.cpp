#include "LargeBuffers.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace kelvora {

void giveLargeBuffersBack()
{
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
}

} // namespace kelvora
