#pragma once

#include <cstdint>
#include <cstring>

#include "base/Units.h"

namespace ZUM {

// Eight bytes or four 16-bit units tested at once for ASCII, the common case
// of the markup the converters carry.
struct AsciiWord {
    static bool allAscii(const u8* bytes) {
        std::uint64_t word;
        std::memcpy(&word, bytes, sizeof word);
        return (word & 0x8080808080808080u) == 0;
    }
    static bool allAscii(const u16* units) {
        std::uint64_t word;
        std::memcpy(&word, units, sizeof word);
        return (word & 0xFF80FF80FF80FF80u) == 0;
    }
};

} // namespace ZUM
