#include "base/OFlow.h"

namespace ZUM {

template <typename U>
void OFlow::writeManyByUnits(u32 count, const U* units, u32& written) {
    for (written = 0; written < count; ++written) writeAs<U>(units[written]);
}

template <typename S>
bool OFlow::writeAll(u32 count, const S* units) {
    u32 written = 0;
    writeManyAs<S>(count, reinterpret_cast<const FlowUnit<S>*>(units), written);
    return written == count;
}

void OFlow::write8Many(u32 count, const u8* units, u32& written) {
    writeManyByUnits(count, units, written);
}

void OFlow::write16Many(u32 count, const u16* units, u32& written) {
    writeManyByUnits(count, units, written);
}

void OFlow::write32Many(u32 count, const u32* units, u32& written) {
    writeManyByUnits(count, units, written);
}

bool OFlow::writeTerminated32(const u32* units) {
    return writeAll(TString<u32>::terminatedLength(units), units);
}

bool OFlow::writeTerminated16(const u16* units) {
    return writeAll(TString<u16>::terminatedLength(units), units);
}

bool OFlow::writeTerminated8(const char* units) {
    return writeAll(TString<char>::terminatedLength(units), units);
}

bool OFlow::writeString32(const TStringPtr<u32>& text) {
    return writeAll(text.viewLength(), text.data());
}

bool OFlow::writeString16(const TStringPtr<u16>& text) {
    return writeAll(text.viewLength(), text.data());
}

bool OFlow::writeString8(const TStringPtr<char>& text) {
    return writeAll(text.viewLength(), text.data());
}

} // namespace ZUM
