#pragma once

#include <memory>
#include <vector>

#include "base/SlabPool.h"
#include "base/Units.h"

namespace ZUM {

// Storage for many short texts that die together, such as the values of one
// document: copies are carved one after the other from blocks of the slab
// pool, with no allocation of their own, and are all freed with the arena.
class TextArena {
public:
    TextArena() = default;
    TextArena(const TextArena&) = delete;
    TextArena& operator=(const TextArena&) = delete;

    // A copy of `count` units that lives as long as the arena.
    u16* store(const u16* units, u32 count);

    static constexpr u32 BlockUnits = SlabPool::BlockBytes / sizeof(u16);

private:
    struct ReleaseBlock {
        void operator()(u16* block) const noexcept { SlabPool::releaseBlock(block); }
    };
    using Block = std::unique_ptr<u16[], ReleaseBlock>;
    std::vector<Block> blocks;
    // Texts longer than a quarter block, each in an allocation of its own.
    std::vector<std::unique_ptr<u16[]>> longTexts;
    u16* next = nullptr;
    u32 left = 0;
};

} // namespace ZUM
