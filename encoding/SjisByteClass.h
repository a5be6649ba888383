#pragma once

#include <array>

#include "base/Units.h"

namespace ZUM {

// Classes of a byte on the Shift_JIS side, as flags.
enum SjisByteClass : u8 {
    SjisLead = 0x01,      // 81-9F, E0-EF
    JisByte = 0x02,       // 21-7E: a row or cell byte of ISO-2022-JP
    EucByte = 0x04,       // A1-FE
    HalfWidthKana = 0x08, // A1-DF
    SjisTrail = 0x10,     // 40-FC
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
    return classes;
}

} // namespace detail

// The SjisByteClass flags of every byte.
inline constexpr std::array<u8, 256> sjisByteClasses = detail::makeSjisByteClasses();

} // namespace ZUM
