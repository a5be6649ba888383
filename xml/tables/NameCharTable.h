#pragma once

#include "base/Units.h"

namespace ZUM {

// Class byte of every UTF-16 code unit after the character classes of XML 1.0
// (Second Edition): 0x01 BaseChar, 0x02 Ideographic, 0x04 CombiningChar,
// 0x08 Digit, 0x10 Extender, 0x20 "-" "." "_", 0x40 "_", 0x80 ":". Surrogates
// and every unit of no class have 0.
extern const u8 nameCharClass[0x10000];

// A Name starts with a Letter, "_" or ":" and goes on with any name character.
constexpr u8 NameStartMask = 0xC3;
constexpr u8 NameCharMask = 0xBF;

} // namespace ZUM
