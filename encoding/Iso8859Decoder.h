#pragma once

#include "encoding/Converter.h"
#include "encoding/tables/LatinTables.h"

namespace ZUM {

// An ISO 8859 part to UCS-2 through the part's byte table; bytes the part
// leaves undefined are skipped.
class Iso8859Decoder : public Converter<Iso8859Decoder, u8, u16, 1> {
public:
    explicit Iso8859Decoder(const u16* table) : table(table) {}

private:
    friend Frame;

    u16 produce() {
        for (;;) {
            const u16 unit = table[take()];
            if (unit != 0xFFFF) return unit;
            lose();
        }
    }

    const u16* table; // 256 entries
};

// The decoder of ISO 8859 part `Part` (1 to 10, 13, 14 or 15).
template <int Part>
class From8859ToUcs2 : public Iso8859Decoder {
public:
    static_assert((Part >= 1 && Part <= 10) || (Part >= 13 && Part <= 15));
    From8859ToUcs2() : Iso8859Decoder(iso8859ToUcs2[Part <= 10 ? Part - 1 : Part - 3]) {}
};

using From8859_1ToUcs2 = From8859ToUcs2<1>;
using From8859_2ToUcs2 = From8859ToUcs2<2>;
using From8859_3ToUcs2 = From8859ToUcs2<3>;
using From8859_4ToUcs2 = From8859ToUcs2<4>;
using From8859_5ToUcs2 = From8859ToUcs2<5>;
using From8859_6ToUcs2 = From8859ToUcs2<6>;
using From8859_7ToUcs2 = From8859ToUcs2<7>;
using From8859_8ToUcs2 = From8859ToUcs2<8>;
using From8859_9ToUcs2 = From8859ToUcs2<9>;
using From8859_10ToUcs2 = From8859ToUcs2<10>;
using From8859_13ToUcs2 = From8859ToUcs2<13>;
using From8859_14ToUcs2 = From8859ToUcs2<14>;
using From8859_15ToUcs2 = From8859ToUcs2<15>;

} // namespace ZUM
