#include "base/SlabPool.h"

#include <cstdlib>

namespace ZUM {

// Plain pages: huge pages are not asked for. On a virtual machine that hands
// freed memory back to its host, every fresh huge page is faulted in from the
// host as the kernel zeroes it; measured so, a 50 MB repair took 1.7 times as
// long, and every size took more memory.
void* acquireSlab() {
    return std::malloc(SlabPool::SlabBytes);
}

} // namespace ZUM
