#pragma once

#include "base/MemBlock.h"
#include "base/OFlow.h"

namespace ZUM {

// Writes units in native byte order onto the end of a memory block. The block
// grows to exactly the size needed, never beyond.
class MemOFlow : public OFlow {
public:
    // Owns a fresh block of 10 bytes.
    MemOFlow();
    // Writes onto `block`; a borrowed block is left to its owner by close and
    // the destructor. A null block gives a closed flow.
    MemOFlow(MemBlock* block, bool borrowed);
    ~MemOFlow() override;

    bool close() override;
    bool reset() override; // discards the contents
    bool isAtStart() const override;

    void flush() override {}
    void write8(u8 unit) override;
    void write16(u16 unit) override;
    void write32(u32 unit) override;
    void write8Many(u32 count, const u8* units, u32& written) override;
    void write16Many(u32 count, const u16* units, u32& written) override;
    void write32Many(u32 count, const u32* units, u32& written) override;

    // Grows the block to hold at least `bytes` bytes, so a writer that knows
    // about how much is coming avoids growing it write by write.
    void reserve(u32 bytes);

    // The block written to; null once an owned block was released by close.
    MemBlock* memBlock() const { return block; }

private:
    void append(const void* bytes, std::uint64_t count);
    template <typename U>
    void appendUnit(U unit);
    template <typename U>
    void appendUnits(u32 count, const U* units, u32& written);
    void releaseBlock();

    MemBlock* block;
    bool borrowed;
};

} // namespace ZUM
