#include "encoding/ChainOFlow.h"

#include <algorithm>
#include <cstring>

#include "base/CompositIFilter.h"
#include "base/Conveyer.h"
#include "base/Exception.h"
#include "base/Surrogates.h"

namespace ZUM {

ChainOFlow::ChainOFlow(CompositIFilter* chain, OFlow* destination)
    : OFlow(chain && destination, Width16), chain(chain), destination(destination) {
    if (chain) chain->attach(&blockSource);
}

void ChainOFlow::flush() {
    convertHeld(true);
    destination->flush();
}

void ChainOFlow::write8(u8) {
    ZUM_THROW_IO(IOException::WidthNotProvided);
}

void ChainOFlow::write32(u32) {
    ZUM_THROW_IO(IOException::WidthNotProvided);
}

void ChainOFlow::write16(u16 unit) {
    if (count == BlockUnits) convertHeld(false);
    held[count++] = unit;
    atStart = false;
}

void ChainOFlow::write16Many(u32 total, const u16* units, u32& written) {
    // The serialiser writes mostly short pieces: names, quotes, brackets; a
    // long piece or one that fills the block takes the longer path.
    if (total > 16 || BlockUnits - count < total) [[unlikely]] {
        holdLong(total, units);
        atStart = false;
    } else if (total) {
        std::memcpy(held + count, units, total * sizeof(u16));
        count += total;
        atStart = false;
    }
    written = total;
}

void ChainOFlow::holdLong(u32 total, const u16* units) {
    for (u32 taken = 0; taken < total;) {
        if (count == BlockUnits) convertHeld(false);
        const u32 n = std::min(total - taken, BlockUnits - count);
        std::memcpy(held + count, units + taken, n * sizeof(u16));
        count += n;
        taken += n;
    }
}

// Each block is read to its end, which leaves the chain with nothing pending:
// the next block goes on where this one stopped.
void ChainOFlow::convertHeld(bool all) {
    if (!open) ZUM_THROW_IO(IOException::NotOpen);
    u32 n = count;
    if (!all && n > 0 && Surrogates::isHigh(held[n - 1])) --n;
    blockSource.rewindOver(held, n * sizeof(u16));
    Conveyer(chain, destination).pump();
    std::memmove(held, held + n, (count - n) * sizeof(u16));
    count -= n;
}

} // namespace ZUM
