#pragma once

#include "base/TString.h"

namespace ZUM::Utf8Sequence {

// The length of the well-formed UTF-8 sequence at `at`, of at most `left`
// bytes, with its code point in `c`; 0 when the bytes there are not one.
// Overlong forms and values past U+10FFFF are never well-formed; the encoded
// surrogates U+D800 to U+DFFF are only when `surrogatesAllowed` (the
// generalised UTF-8 that spells any sequence of 16-bit units).
u32 decode(const unsigned char* at, u32 left, char32_t& c, bool surrogatesAllowed = false);

// Appends the UTF-8 form of `c` (at most U+10FFFF).
void append(char32_t c, Utf8String& bytes);

} // namespace ZUM::Utf8Sequence
