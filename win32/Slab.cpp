#include "base/SlabPool.h"

#include <windows.h>

namespace ZUM {

// Committed at once: the pool carves the whole slab as it goes.
void* acquireSlab() {
    return ::VirtualAlloc(nullptr, SlabPool::SlabBytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
}

} // namespace ZUM
