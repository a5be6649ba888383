#include "base/Utf8Sequence.h"

#include "base/Surrogates.h"

namespace ZUM::Utf8Sequence {

u32 decode(const unsigned char* at, u32 left, char32_t& c, bool surrogatesAllowed) {
    const unsigned char lead = at[0];
    u32 length;
    char32_t least;
    if (lead < 0x80) {
        c = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (left < length) return 0;
    for (u32 i = 1; i < length; ++i) {
        if ((at[i] & 0xC0) != 0x80) return 0;
        c = (c << 6) | (at[i] & 0x3F);
    }
    const bool refused = Surrogates::isSurrogate(c) && !surrogatesAllowed;
    return c < least || c > 0x10FFFF || refused ? 0 : length;
}

void append(char32_t c, Utf8String& bytes) {
    if (c < 0x80) {
        bytes.push(static_cast<char>(c));
        return;
    }
    const u32 length = c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    static constexpr unsigned char leads[] = {0, 0, 0xC0, 0xE0, 0xF0};
    bytes.push(static_cast<char>(leads[length] | (c >> (6 * (length - 1)))));
    for (u32 i = length - 1; i-- > 0;)
        bytes.push(static_cast<char>(0x80 | ((c >> (6 * i)) & 0x3F)));
}

} // namespace ZUM::Utf8Sequence
