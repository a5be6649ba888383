#pragma once

#include "encoding/Converter.h"
#include "encoding/JisCode.h"
#include "encoding/SjisByteClass.h"

namespace ZUM {

// EUC-JP to Shift_JIS by arithmetic; also eucJP-ms to CP932, whose extension
// rows follow the same arithmetic. Half-width katakana keep their byte, JIS X
// 0212 characters (8F and two bytes) are dropped, and a byte that starts
// nothing gives 0; these, and a byte after 8E or A1 to FE that does not
// belong there, are losses.
class FromEucJpToSjis : public Converter<FromEucJpToSjis, u8, u8, 1> {
    friend Frame;

    u8 produce() {
        for (;;) {
            const u8 byte = take();
            if (byte < 0x80) return byte;
            if (byte == 0x8E) return kept(trail(), HalfWidthKana);
            if (byte == 0x8F) {
                trail();
                trail();
                lose();
                continue;
            }
            if (byte < 0xA1 || byte == 0xFF) {
                lose();
                return 0;
            }
            const u16 sjis = JisCode::eucToSjis(JisCode::pair(byte, kept(trail(), EucByte)));
            give(static_cast<u8>(sjis));
            return static_cast<u8>(sjis >> 8);
        }
    }

    // `byte`, counted as a loss unless it is of `byteClass`.
    u8 kept(u8 byte, u8 byteClass) {
        if (!(sjisByteClasses[byte] & byteClass)) lose();
        return byte;
    }
};

using FromEucJpMsToCp932 = FromEucJpToSjis;

} // namespace ZUM
