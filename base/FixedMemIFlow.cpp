#include "base/FixedMemIFlow.h"

#include <cstring>

#include "base/Exception.h"

namespace ZUM {

FixedMemIFlow::FixedMemIFlow(const MemBlock* block)
    : FixedMemIFlow(block ? block->data : nullptr, block ? block->size : 0) {}

FixedMemIFlow::FixedMemIFlow(const void* data, u32 size)
    : UnitReads(data != nullptr, WidthAny), begin(static_cast<const u8*>(data)),
      end(begin ? begin + size : nullptr), position(begin) {}

void FixedMemIFlow::rewindOver(const void* data, u32 size) {
    begin = position = static_cast<const u8*>(data);
    end = begin ? begin + size : nullptr;
    open = atStart = begin != nullptr;
}

bool FixedMemIFlow::close() {
    begin = end = position = nullptr;
    atStart = false;
    return IFlow::close();
}

bool FixedMemIFlow::reset() {
    if (!open) return false;
    position = begin;
    atStart = true;
    return true;
}

bool FixedMemIFlow::isAtStart() const {
    return open && position == begin;
}

template <typename U>
U FixedMemIFlow::readOne() {
    if (!open) ZUM_THROW_IO(IOException::NotOpen);
    if (static_cast<std::size_t>(end - position) < sizeof(U)) {
        ZUM_THROW_IO(IOException::EndOfInput);
    }
    U unit;
    std::memcpy(&unit, position, sizeof(U));
    position += sizeof(U);
    atStart = false;
    return unit;
}

// The unit-by-unit result in one copy: as many whole units as remain, quietly.
template <typename U>
void FixedMemIFlow::readMany(u32 count, U* buffer, u32& got) {
    if (!open) ZUM_THROW_IO(IOException::NotOpen);
    const std::size_t remaining = static_cast<std::size_t>(end - position) / sizeof(U);
    const u32 n = remaining < count ? static_cast<u32>(remaining) : count;
    if (n == 0) return;
    std::memcpy(buffer, position, n * sizeof(U));
    position += n * sizeof(U);
    atStart = false;
    got = n;
}

template class UnitReads<FixedMemIFlow>;

} // namespace ZUM
