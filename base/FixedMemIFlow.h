#pragma once

#include "base/IFlow.h"
#include "base/MemBlock.h"

namespace ZUM {

// Reads units in native byte order from a fixed run of bytes it does not own.
// Over no bytes at all (a null block or data pointer) it is closed.
class FixedMemIFlow : public IFlow {
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

    u8 read8() override;
    u16 read16() override;
    u32 read32() override;
    void read8Many(u32 count, u8* buffer, u32& got) override;
    void read16Many(u32 count, u16* buffer, u32& got) override;
    void read32Many(u32 count, u32* buffer, u32& got) override;

private:
    template <typename U>
    U take();
    template <typename U>
    void takeMany(u32 count, U* buffer, u32& got);

    // [begin, end) are the bytes, position the next one. Keeping the end rather
    // than the last byte lets an empty run stay empty after a reset.
    const u8* begin;
    const u8* end;
    const u8* position;
};

} // namespace ZUM
