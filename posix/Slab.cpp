#include "base/SlabPool.h"

#include <sys/mman.h>

namespace ZUM {

// All pages of the slab are faulted in by one call. Touched one by one, each
// page costs a fault of its own; on a virtual machine that hands freed memory
// back to its host those faults were half of a large repair's time. Huge
// pages are not asked for: fresh ones come from the host as slowly.
void* acquireSlab() {
    void* slab = ::mmap(nullptr, SlabPool::SlabBytes, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    return slab == MAP_FAILED ? nullptr : slab;
}

} // namespace ZUM
