#include "base/MemOFlow.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "base/Exception.h"
#include "base/RawMemory.h"

namespace ZUM {

MemOFlow::MemOFlow() : MemOFlow(MemBlock::create(10), false) {}

MemOFlow::MemOFlow(MemBlock* block, bool borrowed)
    : UnitWrites(block != nullptr, WidthAny), block(block), borrowed(borrowed) {}

MemOFlow::~MemOFlow() {
    releaseBlock();
}

void MemOFlow::releaseBlock() {
    if (borrowed) return;
    MemBlock::destroy(block);
    block = nullptr;
}

bool MemOFlow::close() {
    releaseBlock();
    return OFlow::close();
}

bool MemOFlow::reset() {
    if (!open || !block) return false;
    block->size = 0;
    return true;
}

bool MemOFlow::isAtStart() const {
    return block && block->size == 0;
}

// One step for any number of bytes: at most one realloc, to the exact new size.
void MemOFlow::reserve(u32 bytes) {
    if (!block || bytes <= block->capacity) return;
    const u32 had = block->capacity;
    block->data = static_cast<u8*>(RawMemory::reallocate(block->data, bytes));
    block->capacity = bytes;
    preparePages(block->data + had, bytes - had);
}

void MemOFlow::append(const void* bytes, std::uint64_t count) {
    if (!open) ZUM_THROW_IO(IOException::NotOpen);
    const std::uint64_t size = block->size + count;
    if (size > UINT32_MAX) throw std::bad_alloc();
    if (size > block->capacity) {
        block->data = static_cast<u8*>(RawMemory::reallocate(block->data, size));
        block->capacity = static_cast<u32>(size);
    }
    if (count) std::memcpy(block->data + block->size, bytes, count);
    block->size = static_cast<u32>(size);
}

// A unit that fits the capacity is stored in place, without the general path.
template <typename U>
void MemOFlow::writeOne(U unit) {
    if (open && block->capacity - block->size >= sizeof(U)) {
        std::memcpy(block->data + block->size, &unit, sizeof(U));
        block->size += sizeof(U);
    } else {
        append(&unit, sizeof(U));
    }
}

template <typename U>
void MemOFlow::writeMany(u32 count, const U* units, u32& written) {
    append(units, std::uint64_t(count) * sizeof(U));
    written = count;
}

template class UnitWrites<MemOFlow>;

} // namespace ZUM
