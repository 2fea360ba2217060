#pragma once

namespace kelvora {

// Photographs, their scaled copies and sound buffers are large and short-lived:
// each page makes new ones and frees the last page's. By default the C library
// raises the size from which it maps such a block on its own to the largest
// block freed so far, so after the first page they come from the heap, and
// what a page frees stays with the process. Fixing that size gives each large
// buffer back to the system when it is freed, and keeps the run's memory flat.
void giveLargeBuffersBack();

} // namespace kelvora
