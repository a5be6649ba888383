#pragma once

#include "encoding/Converter.h"
#include "base/Surrogates.h"

namespace ZUM {

// 32-bit code points to UTF-16: units above 0xFFFF become a surrogate pair,
// units above 0x10FFFF are skipped. DropsMark drops U+FEFF while the read
// began at start.
template <bool DropsMark>
class SurrogateSplitter : public Converter<SurrogateSplitter<DropsMark>, u32, u16, 2> {
    friend typename SurrogateSplitter::Frame;

    u16 produce() {
        const bool first = this->atStart;
        for (;;) {
            const u32 unit = this->take();
            if (unit <= 0xFFFF) {
                if (DropsMark && first && unit == 0xFEFF) continue;
                return static_cast<u16>(unit);
            }
            if (unit <= 0x10FFFF) {
                this->give(Surrogates::lowOf(unit));
                return Surrogates::highOf(unit);
            }
            this->lose();
        }
    }

    bool keepsPending(u16 unit) const { return !(DropsMark && this->atStart && unit == 0xFEFF); }
};

using FromUtf32NToUtf16N = SurrogateSplitter<false>;
using FromUcs4ToUtf16N = SurrogateSplitter<true>;

} // namespace ZUM
