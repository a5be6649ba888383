#pragma once

#include "encoding/Converter.h"
#include "encoding/JisCode.h"
#include "encoding/SjisByteClass.h"

namespace ZUM {

// Shift_JIS to EUC-JP by arithmetic; also CP932 to eucJP-ms. Any high byte
// that is not a lead byte, half-width katakana above all, becomes an 8E
// sequence; one that is no katakana, and a bad trail byte, are losses.
class FromSjisToEucJp : public Converter<FromSjisToEucJp, u8, u8, 2> {
    friend Frame;

    u8 produce() {
        const u8 byte = take();
        if (byte < 0x80) return byte;
        if (sjisByteClasses[byte] & SjisLead) {
            const u8 second = trail();
            if (!(sjisByteClasses[second] & SjisTrail)) lose();
            const u16 euc = JisCode::sjisToEuc(JisCode::pair(byte, second));
            give(static_cast<u8>(euc));
            return static_cast<u8>(euc >> 8);
        }
        if (!(sjisByteClasses[byte] & HalfWidthKana)) lose();
        give(byte);
        return 0x8E;
    }
};

using FromCp932ToEucJpMs = FromSjisToEucJp;

} // namespace ZUM
