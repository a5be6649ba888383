#include "base/TextArena.h"

#include <cstring>

namespace ZUM {

// A text longer than a quarter block gets an allocation of its own, so that
// little of any block is left unused.
u16* TextArena::store(const u16* units, u32 count) {
    u16* copy;
    if (count > BlockUnits / 4) {
        longTexts.push_back(std::make_unique_for_overwrite<u16[]>(count));
        copy = longTexts.back().get();
    } else {
        if (count > left) {
            // Owned before the vector may grow, which may throw.
            Block block(static_cast<u16*>(SlabPool::allocateBlock()));
            blocks.push_back(std::move(block));
            next = blocks.back().get();
            left = BlockUnits;
        }
        copy = next;
        next += count;
        left -= count;
    }
    std::memcpy(copy, units, count * sizeof(u16));
    return copy;
}

} // namespace ZUM
