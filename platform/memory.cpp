#include "platform/memory.h"

#include <cstdlib> // defines __GLIBC__ with the GNU C library

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace trelvix {

void returnLargeBlocksWhenFreed() {
#if defined(__GLIBC__)
    // A fixed threshold also stops the library from raising it after the first large block is
    // freed, which is what lets freed pictures stay in the heap.
    constexpr int oneMegabyte = 1 << 20;
    mallopt(M_MMAP_THRESHOLD, oneMegabyte);
#endif
}

} // namespace trelvix
