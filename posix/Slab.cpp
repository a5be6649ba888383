#include "base/SlabPool.h"

#include <cstdlib>
#include <sys/mman.h>

namespace ZUM {

// Slabs aligned to their size and advised for transparent huge pages: a tree
// of a million nodes then costs a few hundred page faults, not tens of
// thousands.
void* acquireSlab() {
    void* slab = std::aligned_alloc(SlabPool::SlabBytes, SlabPool::SlabBytes);
    if (slab) ::madvise(slab, SlabPool::SlabBytes, MADV_HUGEPAGE);
    return slab;
}

} // namespace ZUM
