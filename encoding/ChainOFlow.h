#pragma once

#include "base/FixedMemIFlow.h"
#include "base/OFlow.h"

namespace ZUM {

class CompositIFilter;

// An output flow of 16-bit units that converts what is written to it through
// an input filter chain into another output flow, a block at a time: a text is
// converted as it is produced instead of being held whole first. A high
// surrogate that ends a block waits for the next, so no pair is cut. flush()
// converts what is held and flushes the destination; the destination's
// failures pass through. Neither the chain nor the destination is owned.
class ChainOFlow : public OFlow {
public:
    // Attaches the chain to this flow's own block source.
    ChainOFlow(CompositIFilter* chain, OFlow* destination);

    void flush() override;
    void write8(u8 unit) override;
    void write16(u16 unit) override;
    void write32(u32 unit) override;
    void write16Many(u32 count, const u16* units, u32& written) override;

    static constexpr u32 BlockUnits = 16384;

private:
    void convertHeld(bool all);
    // Holds units beyond the short-piece path, converting each full block.
    [[gnu::noinline]] void holdLong(u32 total, const u16* units);

    CompositIFilter* chain;
    OFlow* destination;
    FixedMemIFlow blockSource{nullptr, 0};
    u32 count = 0;
    u16 held[BlockUnits];
};

} // namespace ZUM
