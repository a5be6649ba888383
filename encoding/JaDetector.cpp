#include "encoding/JaDetector.h"

#include <array>

#include "base/Exception.h"

namespace ZUM {

namespace {

// Byte classes; ranges inclusive.
enum : u8 {
    A1ToFC = 0x01,
    A1ToFE = 0x02,
    A1ToED = 0x04,
    EucByte = 0x08,       // A1 to FE
    SjisLead = 0x10,      // 81 to 9F, E0 to EF
    SjisTrail = 0x20,     // 40 to 7E, 80 to FC
    HalfWidthKana = 0x40, // A1 to DF
};

constexpr std::array<u8, 256> makeClasses() {
    std::array<u8, 256> t{};
    for (int b = 0; b < 256; ++b) {
        u8 c = 0;
        if (b >= 0xA1 && b <= 0xFC) c |= A1ToFC;
        if (b >= 0xA1 && b <= 0xFE) c |= A1ToFE | EucByte;
        if (b >= 0xA1 && b <= 0xED) c |= A1ToED;
        if ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xEF)) c |= SjisLead;
        if ((b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC)) c |= SjisTrail;
        if (b >= 0xA1 && b <= 0xDF) c |= HalfWidthKana;
        t[static_cast<std::size_t>(b)] = c;
    }
    return t;
}

constexpr std::array<u8, 256> classes = makeClasses();

bool has(u8 byte, u8 bits) {
    return (classes[byte] & bits) != 0;
}

enum Result { Iso2022Jp = 21, EucJp = 22, ShiftJis = 23 };

int detectFrom(IFlow* input) {
    u8 c = input->read8();
    if (c == 0xFF) {
        if ((c = input->read8()) == 0xFE) return 14;
    } else if (c == 0xFE) {
        if ((c = input->read8()) == 0xFF) return 13;
    } else if (c == 0xEF) {
        if ((c = input->read8()) == 0xBB && (c = input->read8()) == 0xBF) return 7;
    }
    for (;; c = input->read8()) {
        if (c == 0x1B) {
            c = input->read8();
            if (c == '$') {
                c = input->read8();
                if (c == 'B' || c == '@') return Iso2022Jp;
            }
        }
        if (c == 0x8E) {
            const u8 d = input->read8();
            if (has(d, SjisTrail) && !has(d, HalfWidthKana)) return ShiftJis;
        } else if (c == 0x8F) {
            const u8 d = input->read8();
            if (has(d, SjisTrail) && !has(d, A1ToED)) return ShiftJis;
            const u8 e = input->read8();
            if (!has(e, EucByte)) return ShiftJis;
            if (!has(e, SjisLead)) return EucJp;
            while (input->read8() > 0x40) {
            }
        } else if (has(c, SjisLead)) {
            if (!has(c, A1ToFC)) return ShiftJis;
            const u8 d = input->read8();
            if (has(d, SjisTrail)) {
                if (!has(d, A1ToFE)) return ShiftJis;
            } else if (has(d, A1ToFE)) {
                return EucJp;
            }
        } else if (has(c, A1ToFC)) {
            return EucJp;
        }
    }
}

} // namespace

int JaDetector::detect(IFlow* input) {
    try {
        return detectFrom(input);
    } catch (const IOException&) {
        return 0;
    }
}

} // namespace ZUM
