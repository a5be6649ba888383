#pragma once

#include "base/Surrogates.h"
#include "encoding/AsciiWord.h"
#include "encoding/Converter.h"

namespace ZUM {

// UTF-8 to 16-bit units. Continuation bytes are not checked: their top two
// bits are ignored, a stray one is taken as a lead byte by its bits, and
// overlong forms give their value; each such malformed sequence, and one cut
// off by the end of input, counts as a loss.
//
// With Pairs (UTF-16) a four-byte sequence up to U+10FFFF becomes a surrogate
// pair and any other is dropped, and U+FEFF is dropped while the read began at
// start. Without (UCS-2) a four-byte sequence gives 0 and there are no pending
// units, so the converter is a plain IFilter.
template <bool Pairs>
class Utf8Decoder : public Converter<Utf8Decoder<Pairs>, u8, u16, 1,
                                     std::conditional_t<Pairs, PushbackIFilter<u16>, IFilter>> {
    friend typename Utf8Decoder::Frame;

    u16 produce() {
        const bool first = this->atStart;
        for (;;) {
            const u8 lead = this->take();
            if (lead < 0x80) return lead;
            bool trailsOk = true;
            if (!(lead & 0x20)) {
                const u16 unit = static_cast<u16>(withTrails(lead & 0x1F, 1, trailsOk));
                return checked(unit, trailsOk && lead >= 0xC2);
            }
            if (!(lead & 0x10)) {
                const u16 unit = static_cast<u16>(withTrails(lead & 0x0F, 2, trailsOk));
                if (!trailsOk || illFormed3(lead, unit)) this->lose();
                if (Pairs && first && unit == 0xFEFF) continue;
                return unit;
            }
            const u32 codePoint = withTrails(lead & 0x07, 3, trailsOk);
            const bool inRange = codePoint >= 0x10000 && codePoint <= 0x10FFFF;
            if (!Pairs || !inRange || !trailsOk || lead < 0xF0 || lead > 0xF7) this->lose();
            if constexpr (!Pairs) {
                return 0;
            } else if (inRange) {
                this->give(Surrogates::lowOf(codePoint));
                return Surrogates::highOf(codePoint);
            }
        }
    }

    // Sequences of up to three bytes, and ASCII by blocks and words; a
    // four-byte sequence or one cut by the block's end is left to produce().
    u32 convertRun(const u8*& from, const u8* limit, u16* to, u32 room) {
        const u8* p = from;
        // Whether a sequence is malformed: a lead byte out of place, an
        // overlong form or a surrogate; or a trail byte, which every trail
        // byte's top bits ANDed and ORed together tell.
        u32 malformed = 0, trailsAnd = 0x80, trailsOr = 0;
        u32 n = 0;
        while (n < room && p < limit) {
            if (AsciiWord::carryBlocks(p, limit, to, n, room)) continue;
            if (limit - p >= 8 && room - n >= 8 && AsciiWord::allAscii(p)) {
                for (int k = 0; k < 8; ++k) to[n + k] = p[k];
                p += 8;
                n += 8;
                continue;
            }
            const u8 lead = *p;
            if (lead < 0x80) {
                to[n++] = lead;
                ++p;
            } else if (!(lead & 0x20)) {
                if (limit - p < 2) break;
                to[n++] = static_cast<u16>((lead & 0x1F) << 6 | (p[1] & 0x3F));
                if (lead < 0xC2) malformed = 1;
                trailsAnd &= p[1];
                trailsOr |= p[1];
                p += 2;
            } else if (!(lead & 0x10)) {
                // The run of three-byte sequences, as Japanese text has, goes on here.
                const u8* q = p;
                for (; limit - q >= 3 && n < room && (*q & 0xF0) == 0xE0; q += 3) {
                    const u16 unit =
                        static_cast<u16>((*q & 0x0F) << 12 | (q[1] & 0x3F) << 6 | (q[2] & 0x3F));
                    to[n++] = unit;
                    // Only these leads can start an overlong form or a surrogate.
                    if (*q < 0xE1 || *q == 0xED) malformed |= illFormed3(*q, unit);
                    trailsAnd &= q[1] & q[2];
                    trailsOr |= q[1] | q[2];
                }
                if (q == p) break;
                p = q;
            } else {
                break;
            }
        }
        // Well-formed text, the common case, is checked without counting.
        if (malformed || !(trailsAnd & 0x80) || (trailsOr & 0x40))
            this->lose(countMalformed(from, p));
        from = p;
        return n;
    }

    // The malformed sequences among the whole ones of up to three bytes in
    // [from, limit).
    static u32 countMalformed(const u8* from, const u8* limit) {
        u32 count = 0;
        for (const u8* p = from; p < limit;) {
            const u8 lead = *p;
            if (lead < 0x80) {
                ++p;
            } else if (!(lead & 0x20)) {
                count += (lead < 0xC2) | notTrail(p[1]);
                p += 2;
            } else {
                const u16 unit =
                    static_cast<u16>((lead & 0x0F) << 12 | (p[1] & 0x3F) << 6 | (p[2] & 0x3F));
                count += notTrail(p[1]) | notTrail(p[2]) | illFormed3(lead, unit);
                p += 3;
            }
        }
        return count;
    }

    static bool isTrail(u8 byte) { return (byte & 0xC0) == 0x80; }
    static u32 notTrail(u8 byte) { return (byte & 0xC0) != 0x80; }

    // Whether a three-byte sequence is not in its shortest form (a stray
    // continuation byte as lead included) or stands for a surrogate.
    static u32 illFormed3(u8 lead, u16 unit) {
        return (lead < 0xE0) | (unit < 0x800) | ((unit & 0xF800) == 0xD800);
    }

    u16 checked(u16 unit, bool wellFormed) {
        if (!wellFormed) this->lose();
        return unit;
    }

    // `bits` followed by the six low bits of each of the next `count` bytes;
    // `trailsOk` is cleared when one of them is not a continuation byte.
    u32 withTrails(u32 bits, int count, bool& trailsOk) {
        for (int i = 0; i < count; ++i) {
            const u8 byte = this->trail();
            trailsOk = trailsOk && isTrail(byte);
            bits = bits << 6 | (byte & 0x3F);
        }
        return bits;
    }

    bool keepsPending(u16 unit) const { return !(Pairs && this->atStart && unit == 0xFEFF); }
};

using FromUtf8ToUtf16N = Utf8Decoder<true>;
using FromUtf8NToUcs2 = Utf8Decoder<false>;

} // namespace ZUM
