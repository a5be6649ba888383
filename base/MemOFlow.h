#pragma once

#include "base/MemBlock.h"
#include "base/UnitWrites.h"

namespace ZUM {

// Writes units in native byte order onto the end of a memory block. The block
// grows to exactly the size needed, never beyond.
class MemOFlow : public UnitWrites<MemOFlow> {
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

    // Grows the block to hold at least `bytes` bytes, so a writer that knows
    // about how much is coming avoids growing it write by write. A large
    // reserve has its new pages made ready for writing at once.
    void reserve(u32 bytes);

    // The block written to; null once an owned block was released by close.
    MemBlock* memBlock() const { return block; }

private:
    void append(const void* bytes, std::uint64_t count);
    friend UnitWrites;
    template <typename U>
    void writeOne(U unit);
    template <typename U>
    void writeMany(u32 count, const U* units, u32& written);
    void releaseBlock();

    MemBlock* block;
    bool borrowed;
};

extern template class UnitWrites<MemOFlow>;

} // namespace ZUM
