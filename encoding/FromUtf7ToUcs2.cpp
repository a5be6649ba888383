#include "encoding/FromUtf7ToUcs2.h"

#include "encoding/Base64Group.h"

namespace ZUM {

bool FromUtf7ToUcs2::reset() {
    inBase64 = hasCarry = false;
    carry = 0;
    return Frame::reset();
}

u16 FromUtf7ToUcs2::produce() {
    for (;;) {
        // A character that closed a run whose group gave nothing comes now.
        u16 unit;
        if (popPendingUnit(unit)) return unit;
        u8 chars[4];
        int count = 0;
        if (!inBase64) {
            const u8 byte = take();
            if (byte != '+') return direct(byte);
            const u8 next = trail();
            if (next == '-') return '+';
            if (!(utf7CharClasses[next] & Base64Char)) lose();
            inBase64 = true;
            hasCarry = false;
            chars[count++] = next;
        }
        count = collect(chars, count);
        if (decode(chars, count, unit)) return unit;
    }
}

int FromUtf7ToUcs2::collect(u8* chars, int count) {
    while (count < 4) {
        u8 byte;
        try {
            byte = take();
        } catch (const IOException& e) {
            if (e.code != IOException::EndOfInput) throw;
            // The end closes the run, once.
            inBase64 = false;
            if (count > 0) break;
            if (hasCarry) lose();
            throw;
        }
        if (byte == '-') {
            inBase64 = false;
            break;
        }
        if (!(utf7CharClasses[byte] & Base64Char)) {
            inBase64 = false;
            give(direct(byte));
            break;
        }
        chars[count++] = byte;
    }
    return count;
}

u8 FromUtf7ToUcs2::direct(u8 byte) {
    if (!(utf7CharClasses[byte] & Utf7AnyDirect)) lose();
    return byte;
}

// The run is a stream of bytes taken two at a time; a group may leave one
// over, which the next group's first byte completes. A group of fewer than
// four characters ends the run, which must end on a whole unit with no bits
// set beyond it.
bool FromUtf7ToUcs2::decode(const u8* chars, int count, u16& unit) {
    u8 bytes[3];
    int n = Base64Group::decode(chars, count, bytes);
    if (count < 4) {
        const u8 spare =
            count < 2 ? 0 : base64Values[chars[count - 1]] & (count == 2 ? 0x0F : 0x03);
        if (count == 1 || spare != 0 || hasCarry != (n % 2 == 1)) lose();
    }
    const u8* byte = bytes;
    if (hasCarry && n > 0) {
        unit = static_cast<u16>(carry << 8 | *byte++);
        hasCarry = false;
        --n;
        if (n == 2) give(static_cast<u16>(byte[0] << 8 | byte[1]));
        if (n == 1) {
            hasCarry = true;
            carry = byte[0];
        }
        return true;
    }
    if (n == 1) {
        hasCarry = true;
        carry = byte[0];
    }
    if (n < 2) return false;
    unit = static_cast<u16>(byte[0] << 8 | byte[1]);
    if (n == 3) {
        hasCarry = true;
        carry = byte[2];
    }
    return true;
}

} // namespace ZUM
