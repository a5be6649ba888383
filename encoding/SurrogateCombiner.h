#pragma once

#include "encoding/Converter.h"
#include "base/Surrogates.h"

namespace ZUM {

// UTF-16 to 32-bit code points: a surrogate pair becomes its code point, a
// high surrogate not followed by a low one is dropped with the unit after it,
// and a lone low surrogate passes.
class SurrogateCombiner : public Converter<SurrogateCombiner, u16, u32, 1> {
    friend Frame;

    u32 produce() {
        for (;;) {
            const u16 unit = take();
            if (!Surrogates::isHigh(unit)) return unit;
            const u16 low = trail();
            if (Surrogates::isLow(low)) return Surrogates::combine(unit, low);
            lose();
        }
    }
};

using FromUtf16NToUcs4 = SurrogateCombiner;
using FromUtf16NToUtf32N = SurrogateCombiner;

} // namespace ZUM
