#pragma once

#include <array>

#include "base/Units.h"

namespace ZUM {

// Classes of a byte in the Japanese encodings, as flags.
enum SjisByteClass : u8 {
    SjisLead = 0x01,        // 81-9F, E0-EF
    JisByte = 0x02,         // 21-7E: a row or cell byte of ISO-2022-JP
    EucByte = 0x04,         // A1-FE
    HalfWidthKana = 0x08,   // A1-DF
    SjisTrail = 0x10,       // 40-FC: what the converters pair with a lead (7F then maps to nothing)
    StrictSjisTrail = 0x20, // 40-7E, 80-FC: the trail bytes Shift_JIS defines
    A1ToFC = 0x40,          // EUC-JP bytes that Shift_JIS also uses
    A1ToED = 0x80,          // the EUC-JP bytes that follow SS3 in JIS X 0212 rows
};

namespace detail {

constexpr std::array<u8, 256> makeSjisByteClasses() {
    std::array<u8, 256> classes{};
    const auto mark = [&classes](int first, int last, u8 flag) {
        for (int byte = first; byte <= last; ++byte) classes[byte] |= flag;
    };
    mark(0x81, 0x9F, SjisLead);
    mark(0xE0, 0xEF, SjisLead);
    mark(0x21, 0x7E, JisByte);
    mark(0xA1, 0xFE, EucByte);
    mark(0xA1, 0xDF, HalfWidthKana);
    mark(0x40, 0xFC, SjisTrail);
    mark(0x40, 0x7E, StrictSjisTrail);
    mark(0x80, 0xFC, StrictSjisTrail);
    mark(0xA1, 0xFC, A1ToFC);
    mark(0xA1, 0xED, A1ToED);
    return classes;
}

} // namespace detail

// The SjisByteClass flags of every byte.
inline constexpr std::array<u8, 256> sjisByteClasses = detail::makeSjisByteClasses();

} // namespace ZUM
