#include "base/MemBlock.h"

#include <cstdlib>
#include <memory>
#include <new>

namespace ZUM {

MemBlock* MemBlock::create(u32 capacity) {
    auto block = std::make_unique<MemBlock>();
    block->data = static_cast<u8*>(std::malloc(capacity ? capacity : 1));
    if (!block->data) throw std::bad_alloc();
    block->capacity = capacity;
    return block.release();
}

void MemBlock::destroy(MemBlock* block) {
    if (!block) return;
    std::free(block->data);
    delete block;
}

} // namespace ZUM
