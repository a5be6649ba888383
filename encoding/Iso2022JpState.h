#pragma once

#include "base/Units.h"

namespace ZUM::Iso2022JpState {

// The character set an ISO-2022-JP stream is in: each is chosen by ESC,
// an intermediate byte and a final byte.
enum : int {
    Ascii = 1,    // ESC ( B
    JisRoman = 2, // ESC ( J
    JisC6226 = 3, // ESC $ @
    JisX0208 = 4, // ESC $ B
};

constexpr u8 Escape = 0x1B;

constexpr bool isDoubleByte(int state) {
    return state == JisC6226 || state == JisX0208;
}

// The set a designation chooses, 0 for none.
constexpr int designated(u8 intermediate, u8 final) {
    if (intermediate == '(') return final == 'B' ? Ascii : final == 'J' ? JisRoman : 0;
    if (intermediate == '$') return final == '@' ? JisC6226 : final == 'B' ? JisX0208 : 0;
    return 0;
}

} // namespace ZUM::Iso2022JpState
