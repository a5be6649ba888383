#pragma once

#include "encoding/Converter.h"
#include "base/Surrogates.h"

namespace ZUM {

// 16-bit units to UTF-8. With Pairs a surrogate pair becomes one four-byte
// sequence and a high surrogate not followed by a low one is dropped with the
// unit after it; without, every unit is encoded alone (UCS-2). EmitsMark
// begins the output with EF BB BF.
template <bool Pairs, bool EmitsMark>
class Utf8Encoder : public Converter<Utf8Encoder<Pairs, EmitsMark>, u16, u8, 3> {
    friend typename Utf8Encoder::Frame;

    static constexpr u8 continuation(u32 bits) { return static_cast<u8>(0x80 | (bits & 0x3F)); }

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
            const u16 low = this->take();
            if (!Surrogates::isLow(low)) continue;
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
