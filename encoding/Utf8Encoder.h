#pragma once

#include "base/Surrogates.h"
#include "encoding/AsciiWord.h"
#include "encoding/Converter.h"

namespace ZUM {

// 16-bit units to UTF-8. With Pairs a surrogate pair becomes one four-byte
// sequence and a high surrogate not followed by a low one is dropped with the
// unit after it; without, every unit is encoded alone (UCS-2). EmitsMark
// begins the output with EF BB BF.
template <bool Pairs, bool EmitsMark>
class Utf8Encoder : public Converter<Utf8Encoder<Pairs, EmitsMark>, u16, u8, 3> {
    friend typename Utf8Encoder::Frame;

    static constexpr u8 continuation(u32 bits) { return static_cast<u8>(0x80 | (bits & 0x3F)); }
    // A unit written alone in three bytes (with pairs, a high surrogate waits
    // for its partner).
    static constexpr bool threeBytes(u16 unit) {
        return unit >= 0x800 && (!Pairs || !Surrogates::isHigh(unit));
    }

    // Every character whose units lie in the block and whose bytes fit, ASCII
    // by blocks and words; a pair cut by the block's end is left to produce().
    u32 convertRun(const u16*& from, const u16* limit, u8* to, u32 room) {
        const u16* p = from;
        u32 n = 0;
        while (p < limit) {
            if (AsciiWord::carryBlocks(p, limit, to, n, room)) continue;
            if (limit - p >= 4 && room - n >= 4 && AsciiWord::allAscii(p)) {
                for (int k = 0; k < 4; ++k) to[n + k] = static_cast<u8>(p[k]);
                p += 4;
                n += 4;
                continue;
            }
            const u16 unit = *p;
            if (unit < 0x80) {
                if (n == room) break;
                to[n++] = static_cast<u8>(unit);
                ++p;
            } else if (unit < 0x800) {
                if (room - n < 2) break;
                to[n++] = static_cast<u8>(0xC0 | unit >> 6);
                to[n++] = continuation(unit);
                ++p;
            } else if (threeBytes(unit)) {
                // The run of such units, as Japanese text has, goes on here.
                const u16* q = p;
                for (; q < limit && room - n >= 3 && threeBytes(*q); ++q) {
                    to[n] = static_cast<u8>(0xE0 | *q >> 12);
                    to[n + 1] = continuation(*q >> 6);
                    to[n + 2] = continuation(*q);
                    n += 3;
                }
                if (q == p) break;
                p = q;
            } else {
                if (limit - p < 2 || room - n < 4) break;
                const u16 low = p[1];
                p += 2;
                if (!Surrogates::isLow(low)) {
                    this->lose();
                    continue;
                }
                const u32 codePoint = Surrogates::combine(unit, low);
                to[n++] = static_cast<u8>(0xF0 | codePoint >> 18);
                to[n++] = continuation(codePoint >> 12);
                to[n++] = continuation(codePoint >> 6);
                to[n++] = continuation(codePoint);
            }
        }
        from = p;
        return n;
    }

    u8 produce() {
        if (EmitsMark && this->atStart) {
            this->atStart = false;
            this->give(0xBF);
            this->give(0xBB);
            return 0xEF;
        }
        for (;;) {
            const u16 unit = this->take();
            if (unit < 0x80) return static_cast<u8>(unit);
            if (unit < 0x800) {
                this->give(continuation(unit));
                return static_cast<u8>(0xC0 | unit >> 6);
            }
            if (!Pairs || !Surrogates::isHigh(unit)) {
                this->give(continuation(unit));
                this->give(continuation(unit >> 6));
                return static_cast<u8>(0xE0 | unit >> 12);
            }
            const u16 low = this->trail();
            if (!Surrogates::isLow(low)) {
                this->lose();
                continue;
            }
            const u32 codePoint = Surrogates::combine(unit, low);
            this->give(continuation(codePoint));
            this->give(continuation(codePoint >> 6));
            this->give(continuation(codePoint >> 12));
            return static_cast<u8>(0xF0 | codePoint >> 18);
        }
    }
};

using FromUtf16NToUtf8 = Utf8Encoder<true, true>;
using FromUtf16NToUtf8N = Utf8Encoder<true, false>;
using FromUcs2ToUtf8N = Utf8Encoder<false, false>;

} // namespace ZUM
