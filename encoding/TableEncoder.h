#pragma once

#include "encoding/Converter.h"
#include "encoding/tables/JisTables.h"
#include "encoding/tables/LatinTables.h"

namespace ZUM {

// UCS-2 to a byte encoding through `Table`, whose values are single bytes
// below 0x100 and byte pairs above. Control characters pass as themselves;
// characters the table lacks are skipped, never replaced.
template <const CodeTable& Table>
class TableEncoder : public Converter<TableEncoder<Table>, u16, u8, 2> {
    friend typename TableEncoder::Frame;

    u8 produce() {
        for (;;) {
            const u16 unit = this->take();
            if (unit < 0x20 || unit == 0x7F) return static_cast<u8>(unit);
            const u16 code = Table.lookup(unit);
            if (code == CodeTable::Unmapped) {
                this->lose();
                continue;
            }
            if (code > 0xFF) this->give(static_cast<u8>(code));
            return static_cast<u8>(code > 0xFF ? code >> 8 : code);
        }
    }
};

using FromUcs2ToSjis = TableEncoder<ucs2ToSjisTable>;
using FromUcs2ToCp932 = TableEncoder<ucs2ToCp932Table>;
using FromUcs2ToCp1252 = TableEncoder<ucs2ToCp1252Table>;
// Serves every ISO 8859 part: what Latin-1 holds is written as Latin-1.
using FromUcs2To8859_1 = TableEncoder<ucs2ToLatin1Table>;

} // namespace ZUM
