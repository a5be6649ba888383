#pragma once

#include "base/Units.h"
#include "encoding/Utf7CharClass.h"

// The base64 groups of UTF-7: one to three bytes are written as two to four
// characters, the last padded with zero bits.
namespace ZUM::Base64Group {

// Writes the characters of `count` bytes (1 to 3) to `out`; answers how many.
inline int encode(const u8* bytes, int count, u8* out) {
    const u32 bits =
        u32(bytes[0]) << 16 | u32(count > 1 ? bytes[1] : 0) << 8 | (count > 2 ? bytes[2] : 0);
    for (int i = 0; i <= count; ++i) out[i] = base64Alphabet[bits >> (18 - 6 * i) & 0x3F];
    return count + 1;
}

// The bytes of a group of `count` characters (0 to 4): one fewer than the
// characters, none for fewer than two. A character outside the alphabet
// counts by its low six bits.
inline int decode(const u8* chars, int count, u8* bytes) {
    u32 bits = 0;
    for (int i = 0; i < 4; ++i) bits = bits << 6 | (i < count ? base64Values[chars[i]] & 0x3F : 0);
    for (int i = 0; i < 3; ++i) bytes[i] = static_cast<u8>(bits >> (16 - 8 * i));
    return count < 2 ? 0 : count - 1;
}

} // namespace ZUM::Base64Group
