#pragma once

#include <array>

#include "encoding/Converter.h"
#include "encoding/JisCode.h"
#include "encoding/SjisByteClass.h"
#include "encoding/tables/JisTables.h"

namespace ZUM {

// Shift_JIS (or CP932) to UCS-2 through `Table`. Control bytes pass, printable
// ASCII and half-width katakana are looked up alone, and a double-byte code
// the table lacks gives 0xFFFF. With AnyHighByteLeads (CP932) every other high
// byte starts a pair; without (Shift_JIS) only the lead bytes do and the rest
// are skipped. Skipped bytes and 0xFFFF are losses.
template <const CodeTable& Table, bool AnyHighByteLeads>
class JisDecoder : public Converter<JisDecoder<Table, AnyHighByteLeads>, u8, u16, 1> {
    friend typename JisDecoder::Frame;

    u16 produce() {
        for (;;) {
            const u8 byte = this->take();
            const u8 kind = sjisByteClasses[byte];
            if (!AnyHighByteLeads && (kind & SjisLead)) return pairWith(byte);
            if ((kind & HalfWidthKana) || (byte >= 0x20 && byte <= 0x7E)) return lookUp(byte);
            if (byte < 0x20 || byte == 0x7F) return byte;
            if (AnyHighByteLeads) return pairWith(byte);
            this->lose();
        }
    }

    // Whole characters of the block, the single bytes through a table made
    // once from `Table`; a lead byte at the block's end is left to produce().
    u32 convertRun(const u8*& from, const u8* limit, u16* to, u32 room) {
        static const SingleBytes singles = singleBytes();
        static const PairCodes pairs = pairCodes();
        const u8* p = from;
        u32 n = 0, lost = 0;
        while (n < room && p < limit) {
            const u8 byte = *p;
            const u16 single = singles[byte];
            // Skipped, Pair and Unmapped are the three highest codes.
            if (single < Skipped) {
                to[n++] = single;
                ++p;
                continue;
            }
            if (single != Pair) {
                if (single == CodeTable::Unmapped) to[n++] = single;
                ++lost;
                ++p;
                continue;
            }
            if (limit - p < 2) break;
            const u16 unit = pairs[(byte - 0x80) << 8 | p[1]];
            to[n++] = unit;
            if (unit == CodeTable::Unmapped) ++lost;
            p += 2;
        }
        this->lose(lost);
        from = p;
        return n;
    }

    // What produce() makes of each byte alone; two codes the table never
    // yields for a single byte mark a lead byte (always a high one) and a
    // skipped one.
    static constexpr u16 Pair = 0xFFFE, Skipped = 0xFFFD;
    using SingleBytes = std::array<u16, 256>;
    static SingleBytes singleBytes() {
        SingleBytes singles{};
        for (unsigned byte = 0; byte < 256; ++byte) {
            const u8 kind = sjisByteClasses[byte];
            u16& single = singles[byte];
            if (!AnyHighByteLeads && (kind & SjisLead))
                single = Pair;
            else if ((kind & HalfWidthKana) || (byte >= 0x20 && byte <= 0x7E))
                single = Table.lookup(static_cast<u16>(byte));
            else if (byte < 0x20 || byte == 0x7F)
                single = static_cast<u16>(byte);
            else
                single = AnyHighByteLeads ? Pair : Skipped;
        }
        return singles;
    }

    // Every pair with a high lead byte, looked up once: the table's two-level
    // lookup costs more than the rest of the character.
    using PairCodes = std::array<u16, 128 * 256>;
    static PairCodes pairCodes() {
        PairCodes codes{};
        for (unsigned lead = 0x80; lead < 0x100; ++lead)
            for (unsigned trail = 0; trail < 0x100; ++trail)
                codes[(lead - 0x80) << 8 | trail] = Table.lookup(JisCode::pair(lead, trail));
        return codes;
    }

    u16 pairWith(u8 lead) { return lookUp(JisCode::pair(lead, this->trail())); }

    u16 lookUp(u16 code) {
        const u16 unit = Table.lookup(code);
        if (unit == CodeTable::Unmapped) this->lose();
        return unit;
    }
};

using FromSjisToUcs2 = JisDecoder<sjisToUcs2Table, false>;
using FromCp932ToUcs2 = JisDecoder<cp932ToUcs2Table, true>;

} // namespace ZUM
