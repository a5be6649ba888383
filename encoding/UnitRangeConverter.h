#pragma once

#include <limits>

#include "encoding/Converter.h"

namespace ZUM {

// Delivers every input unit up to Max as an output unit and skips the others:
// the pass-through, widening and narrowing converters between the fixed-width
// forms. Base is IFilter for the three that change width without pending
// units. Skipped units, and delivered ones above Faithful, are losses.
template <typename In, typename Out, u32 Max, class Base = PushbackIFilter<PendingUnit<Out>>,
          u32 Faithful = Max>
class UnitRangeConverter
    : public Converter<UnitRangeConverter<In, Out, Max, Base, Faithful>, In, Out, 1, Base> {
    friend typename UnitRangeConverter::Frame;

    Out produce() {
        for (;;) {
            const In unit = this->take();
            if constexpr (Faithful < std::numeric_limits<In>::max()) {
                if (unit > Faithful) this->lose();
            }
            if constexpr (Max >= std::numeric_limits<In>::max()) {
                return static_cast<Out>(unit);
            } else {
                if (unit <= Max) return static_cast<Out>(unit);
            }
        }
    }
};

// US-ASCII defines no byte from 80 up; they are delivered as Latin-1.
using FromUsAsciiToUcs2 = UnitRangeConverter<u8, u16, 0xFF, IFilter, 0x7F>;
using FromUsAsciiToUcs4 = UnitRangeConverter<u8, u32, 0xFF, IFilter, 0x7F>;
using FromUcs4ToUsAscii = UnitRangeConverter<u32, u8, 0x7F, IFilter>;
using FromUcs2ToUcs4 = UnitRangeConverter<u16, u32, 0xFFFF>;
using FromUcs4ToUcs2 = UnitRangeConverter<u32, u16, 0xFFFF>;
using FromUcs4ToUtf32N = UnitRangeConverter<u32, u32, 0x10FFFF>;
using FromUtf32NToUcs4 = UnitRangeConverter<u32, u32, 0xFFFFFFFF>;
// Little-endian is the native order.
using FromUtf16NToUtf16Le = UnitRangeConverter<u16, u16, 0xFFFF>;
using FromUtf32NToUtf32Le = UnitRangeConverter<u32, u32, 0xFFFFFFFF>;
using FromUtf32LeToUtf32N = UnitRangeConverter<u32, u32, 0xFFFFFFFF>;
// Every ISO 8859 part shares US-ASCII: the seven-bit bytes pass both ways.
using From8859_xToUsAscii = UnitRangeConverter<u8, u8, 0x7F>;
using FromUsAsciiTo8859_x = UnitRangeConverter<u8, u8, 0x7F>;

} // namespace ZUM
