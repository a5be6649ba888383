#include "encoding/JaDetector.h"

#include "base/Exception.h"
#include "encoding/EncodingId.h"
#include "encoding/SjisByteClass.h"

namespace ZUM {

namespace {

bool has(u8 byte, u8 bits) {
    return (sjisByteClasses[byte] & bits) != 0;
}

int detectFrom(IFlow* input) {
    u8 c = input->read8();
    if (c == 0xFF) {
        if ((c = input->read8()) == 0xFE) return Utf16Le;
    } else if (c == 0xFE) {
        if ((c = input->read8()) == 0xFF) return Utf16Be;
    } else if (c == 0xEF) {
        if ((c = input->read8()) == 0xBB && (c = input->read8()) == 0xBF) return Utf8;
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
            if (has(d, StrictSjisTrail) && !has(d, HalfWidthKana)) return ShiftJis;
        } else if (c == 0x8F) {
            const u8 d = input->read8();
            if (has(d, StrictSjisTrail) && !has(d, A1ToED)) return ShiftJis;
            const u8 e = input->read8();
            if (!has(e, EucByte)) return ShiftJis;
            if (!has(e, SjisLead)) return EucJp;
            while (input->read8() > 0x40) {
            }
        } else if (has(c, SjisLead)) {
            if (!has(c, A1ToFC)) return ShiftJis;
            const u8 d = input->read8();
            if (has(d, StrictSjisTrail)) {
                if (!has(d, EucByte)) return ShiftJis;
            } else if (has(d, EucByte)) {
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
