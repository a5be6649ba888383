#pragma once

#include "base/Units.h"

namespace ZUM {

// Arithmetic between the three byte forms of a JIS X 0208 character: Shift_JIS,
// EUC-JP and the row/cell bytes of ISO-2022-JP. A code is a byte pair, first byte
// high; every byte result is taken modulo 256, as the converters feed these any
// pair of the right classes.
namespace JisCode {

constexpr u16 pair(unsigned first, unsigned second) {
    return static_cast<u16>((first & 0xFF) << 8 | (second & 0xFF));
}

constexpr u16 sjisToEuc(u16 code) {
    const unsigned s1 = code >> 8, s2 = code & 0xFF;
    const bool low = s1 < 0xE0;
    if (s2 < 0x9F) return pair(2 * s1 + 31 - (low ? 128 : 0), s2 + 96 + (s2 < 0x7F ? 1 : 0));
    return pair(low ? 2 * s1 - 96 : 2 * s1 + 32, s2 + 2);
}

constexpr u16 eucToSjis(u16 code) {
    const unsigned e1 = code >> 8, e2 = code & 0xFF;
    const unsigned c = (e1 >> 1) & 0x7F;
    const bool high = e1 > 0xDE;
    if (e1 & 1) return pair(c + (high ? 113 : 49), e2 - 96 - (e2 < 0xE0 ? 1 : 0));
    return pair(c + (high ? 112 : 48), e2 - 2);
}

constexpr u16 sjisToJis(u16 code) {
    const unsigned s1 = code >> 8, s2 = code & 0xFF;
    if (s2 < 0x9F) return pair((2 * s1 + 31) & 0x7F, (s2 + 0x60 + (s2 < 0x7F ? 1 : 0)) & 0x7F);
    return pair((2 * s1 + 32) & 0x7F, s2 - 0x7E);
}

constexpr u16 jisToSjis(u16 code) {
    return eucToSjis(code | 0x8080);
}

} // namespace JisCode

} // namespace ZUM
