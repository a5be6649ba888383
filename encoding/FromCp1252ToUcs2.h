#pragma once

#include "encoding/Converter.h"
#include "encoding/tables/LatinTables.h"

namespace ZUM {

// Windows-1252 to UCS-2. Control bytes pass; the five bytes the code page
// leaves undefined give 0xFFFF rather than vanish.
class FromCp1252ToUcs2 : public Converter<FromCp1252ToUcs2, u8, u16, 1> {
    friend Frame;

    u16 produce() {
        const u8 byte = take();
        if (byte < 0x20 || byte == 0x7F) return byte;
        const u16 unit = cp1252ToUcs2Table.lookup(byte);
        if (unit == CodeTable::Unmapped) lose();
        return unit;
    }
};

} // namespace ZUM
