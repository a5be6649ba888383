#pragma once

#include <bit>

#include "base/Units.h"

namespace ZUM {

// A sparse map from 16-bit codes to 16-bit codes, compressed in two bitmap levels:
// a page per high byte, a group per present high nibble of the low byte, and the
// mapped values in code order. The tables themselves are generated data
// (encoding/tables/).
struct CodeTable {
    static constexpr u16 Unmapped = 0xFFFF;

    // A presence mask over 16 nibbles and the index of the first entry it covers in
    // the next level.
    struct Node {
        u16 mask;
        u16 base;
    };

    const Node* pages; // 256 entries
    const Node* groups;
    const u16* values;

    u16 lookup(u16 code) const {
        const Node& page = pages[code >> 8];
        const unsigned nibble = (code >> 4) & 0x0F;
        if (!(page.mask >> nibble & 1)) return Unmapped;
        // The nibble's bit is set, so at least one group is counted.
        const Node& group = groups[page.base + setBitsUpTo(page.mask, nibble) - 1];
        const unsigned low = code & 0x0F;
        if (!(group.mask >> low & 1)) return Unmapped;
        return values[group.base + setBitsUpTo(group.mask, low) - 1];
    }

private:
    static unsigned setBitsUpTo(u16 mask, unsigned bit) {
        return std::popcount(static_cast<unsigned>(mask) & ((2u << bit) - 1));
    }
};

} // namespace ZUM
