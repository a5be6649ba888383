#include "encoding/FromUcs2ToUtf7.h"

#include <optional>

#include "encoding/Base64Group.h"

namespace ZUM {

void FromUcs2ToUtf7::Output::putGroup(std::initializer_list<u8> group) {
    count += Base64Group::encode(group.begin(), static_cast<int>(group.size()), bytes + count);
}

u8 FromUcs2ToUtf7::Output::deliver(FromUcs2ToUtf7& converter) {
    for (int i = count - 1; i > 0; --i) converter.give(bytes[i]);
    return bytes[0];
}

bool FromUcs2ToUtf7::reset() {
    inBase64 = hasCarry = false;
    carry = 0;
    return Frame::reset();
}

bool FromUcs2ToUtf7::isDirect(u16 unit) {
    return unit < 0xFF && (utf7CharClasses[unit] & Utf7EncodedDirect);
}

u8 FromUcs2ToUtf7::produce() {
    Output out;
    u16 unit;
    try {
        unit = take();
    } catch (const IOException& e) {
        if (e.code != IOException::EndOfInput || !(hasCarry || inBase64)) throw;
        return endOfInput(out);
    }
    if (isDirect(unit)) return direct(out, unit);
    if (unit == '+' && !inBase64) {
        out.put('+');
        out.put('-');
        return out.deliver(*this);
    }
    return encoded(out, unit);
}

u8 FromUcs2ToUtf7::endOfInput(Output& out) {
    flushCarry(out);
    out.put('-');
    inBase64 = false;
    return out.deliver(*this);
}

u8 FromUcs2ToUtf7::direct(Output& out, u16 unit) {
    flushCarry(out);
    closeBefore(out, unit);
    return out.deliver(*this);
}

u8 FromUcs2ToUtf7::encoded(Output& out, u16 unit) {
    if (!inBase64) {
        out.put('+');
        inBase64 = true;
    }
    const u8 high = static_cast<u8>(unit >> 8), low = static_cast<u8>(unit);
    if (hasCarry) {
        out.putGroup({carry, high, low});
        hasCarry = false;
        return out.deliver(*this);
    }
    std::optional<u16> next;
    try {
        next = take();
    } catch (const IOException& e) {
        if (e.code != IOException::EndOfInput) throw;
    }
    if (!next) {
        out.putGroup({high, low});
        out.put('-');
        inBase64 = false;
    } else if (isDirect(*next)) {
        out.putGroup({high, low});
        closeBefore(out, *next);
    } else {
        out.putGroup({high, low, static_cast<u8>(*next >> 8)});
        hasCarry = true;
        carry = static_cast<u8>(*next);
    }
    return out.deliver(*this);
}

void FromUcs2ToUtf7::closeBefore(Output& out, u16 unit) {
    if (inBase64 && (unit == '-' || (utf7CharClasses[unit] & Base64Char))) out.put('-');
    out.put(static_cast<u8>(unit));
    inBase64 = false;
}

void FromUcs2ToUtf7::flushCarry(Output& out) {
    if (!hasCarry) return;
    out.putGroup({carry});
    hasCarry = false;
}

} // namespace ZUM
