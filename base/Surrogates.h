#pragma once

#include "base/Units.h"

namespace ZUM::Surrogates {

constexpr bool isHigh(u32 unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

constexpr bool isLow(u32 unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

constexpr bool isSurrogate(u32 unit) {
    return unit >= 0xD800 && unit <= 0xDFFF;
}

// The code point of a pair; 0 when either unit is out of its range.
constexpr u32 combine(u32 high, u32 low) {
    if (!isHigh(high) || !isLow(low)) return 0;
    return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
}

constexpr u16 highOf(u32 codePoint) {
    return static_cast<u16>(0xD800 + ((codePoint - 0x10000) >> 10));
}

constexpr u16 lowOf(u32 codePoint) {
    return static_cast<u16>(0xDC00 | (codePoint & 0x3FF));
}

// Appends a code point to a UTF-16 string: beyond FFFF as its pair.
template <class Units>
void append(u32 codePoint, Units& units) {
    if (codePoint < 0x10000) {
        units.push(static_cast<u16>(codePoint));
    } else {
        units.push(highOf(codePoint));
        units.push(lowOf(codePoint));
    }
}

// The code point at units[at] of a string of `length` units, a pair taken
// whole and any other unit (a lone surrogate too) as itself; `at` moves past.
template <class Units>
u32 next(const Units& units, u32 length, u32& at) {
    const u32 unit = units[at++];
    if (at == length) return unit;
    const u32 pair = combine(unit, units[at]);
    if (!pair) return unit;
    ++at;
    return pair;
}

} // namespace ZUM::Surrogates
