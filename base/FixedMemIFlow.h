#pragma once

#include "base/UnitReads.h"
#include "base/MemBlock.h"

namespace ZUM {

// Reads units in native byte order from a fixed run of bytes it does not own.
// Over no bytes at all (a null block or data pointer) it is closed.
class FixedMemIFlow : public UnitReads<FixedMemIFlow> {
public:
    // Reads the block's bytes as they are now; later growth of the block is
    // not seen, and the block's data must outlive the reading.
    explicit FixedMemIFlow(const MemBlock* block);
    FixedMemIFlow(const void* data, u32 size);

    // Reads `size` bytes at `data` from now on, as if newly made over them,
    // so that a filter attached to this flow can read block after block.
    void rewindOver(const void* data, u32 size);

    bool close() override;
    bool reset() override;
    bool isAtStart() const override;

private:
    friend UnitReads;
    template <typename U>
    U readOne();
    template <typename U>
    void readMany(u32 count, U* buffer, u32& got);

    // [begin, end) are the bytes, position the next one. Keeping the end rather
    // than the last byte lets an empty run stay empty after a reset.
    const u8* begin;
    const u8* end;
    const u8* position;
};

extern template class UnitReads<FixedMemIFlow>;

} // namespace ZUM
