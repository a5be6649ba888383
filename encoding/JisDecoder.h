#pragma once

#include "encoding/Converter.h"
#include "encoding/JisCode.h"
#include "encoding/SjisByteClass.h"
#include "encoding/tables/JisTables.h"

namespace ZUM {

// Shift_JIS (or CP932) to UCS-2 through `Table`. Control bytes pass, printable
// ASCII and half-width katakana are looked up alone, and a double-byte code
// the table lacks gives 0xFFFF. With AnyHighByteLeads (CP932) every other high
// byte starts a pair; without (Shift_JIS) only the lead bytes do and the rest
// are skipped.
template <const CodeTable& Table, bool AnyHighByteLeads>
class JisDecoder : public Converter<JisDecoder<Table, AnyHighByteLeads>, u8, u16, 1> {
    friend typename JisDecoder::Frame;

    u16 produce() {
        for (;;) {
            const u8 byte = this->take();
            const u8 kind = sjisByteClasses[byte];
            if (!AnyHighByteLeads && (kind & SjisLead)) return pairWith(byte);
            if ((kind & HalfWidthKana) || (byte >= 0x20 && byte <= 0x7E)) return Table.lookup(byte);
            if (byte < 0x20 || byte == 0x7F) return byte;
            if (AnyHighByteLeads) return pairWith(byte);
        }
    }

    u16 pairWith(u8 lead) { return Table.lookup(JisCode::pair(lead, this->take())); }
};

using FromSjisToUcs2 = JisDecoder<sjisToUcs2Table, false>;
using FromCp932ToUcs2 = JisDecoder<cp932ToUcs2Table, true>;

} // namespace ZUM
