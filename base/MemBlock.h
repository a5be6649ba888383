#pragma once

#include "base/Object.h"
#include "base/Units.h"

namespace ZUM {

// A growable byte block: the store of a MemOFlow and the input of a
// FixedMemIFlow. The data comes from the C runtime's allocator.
struct MemBlock : public Object {
    u8* data = nullptr;
    u32 capacity = 0; // bytes allocated
    u32 size = 0;     // bytes in use

    // A new record with `capacity` bytes allocated and none in use; the caller
    // owns both and releases them with destroy.
    static MemBlock* create(u32 capacity);
    static void destroy(MemBlock* block);
};

} // namespace ZUM
