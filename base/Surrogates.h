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

} // namespace ZUM::Surrogates
