#include "base/MemBlock.h"

#include <memory>

#include "base/RawMemory.h"

namespace ZUM {

MemBlock* MemBlock::create(u32 capacity) {
    auto block = std::make_unique<MemBlock>();
    block->data = static_cast<u8*>(RawMemory::allocate(capacity));
    block->capacity = capacity;
    return block.release();
}

void MemBlock::destroy(MemBlock* block) {
    if (!block) return;
    RawMemory::release(block->data);
    delete block;
}

} // namespace ZUM
