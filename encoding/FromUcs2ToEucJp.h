#pragma once

#include "encoding/Converter.h"
#include "encoding/tables/JisTables.h"

namespace ZUM {

// UCS-2 to EUC-JP: ASCII (and U+0080) as themselves, the JIS X 0201 Roman
// YEN SIGN and OVERLINE as 5C and 7E, JIS X 0208 as byte pairs, half-width
// katakana as 8E sequences; anything else is skipped.
class FromUcs2ToEucJp : public Converter<FromUcs2ToEucJp, u16, u8, 2> {
    friend Frame;

    u8 produce() {
        for (;;) {
            const u16 unit = take();
            if (unit <= 0x80) return static_cast<u8>(unit);
            if (unit == 0x203E) return 0x7E;
            if (unit == 0x00A5) return 0x5C;
            const u16 jis = ucs2ToJisX0208Table.lookup(unit);
            if (jis != CodeTable::Unmapped) {
                give(static_cast<u8>(jis + 0x80));
                return static_cast<u8>((jis >> 8) + 0x80);
            }
            if (unit >= 0xFF61 && unit <= 0xFF9F) {
                give(static_cast<u8>(unit + 0x40));
                return 0x8E;
            }
            lose();
        }
    }
};

} // namespace ZUM
