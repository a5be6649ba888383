#include "base/IFlow.h"

#include "base/Exception.h"

namespace ZUM {

template <typename U>
void IFlow::readManyByUnits(u32 count, U* buffer, u32& got) {
    got = 0;
    try {
        while (got < count) {
            buffer[got] = readAs<U>();
            ++got;
        }
    } catch (const IOException& e) {
        if (e.code != IOException::EndOfInput) throw;
    }
}

template <typename S>
bool IFlow::readLineByUnits(TString<S>& target, bool append) {
    if (!append) target.clear();
    try {
        for (;;) {
            const FlowUnit<S> unit = readAs<S>();
            if (unit == 0) return false;
            target.push(static_cast<S>(unit));
            if (unit == '\n') return false;
        }
    } catch (const IOException& e) {
        if (e.code != IOException::EndOfInput) throw;
        return true;
    }
}

void IFlow::read8Many(u32 count, u8* buffer, u32& got) {
    readManyByUnits(count, buffer, got);
}

void IFlow::read16Many(u32 count, u16* buffer, u32& got) {
    readManyByUnits(count, buffer, got);
}

void IFlow::read32Many(u32 count, u32* buffer, u32& got) {
    readManyByUnits(count, buffer, got);
}

bool IFlow::readLine32(TString<u32>& target, bool append) {
    return readLineByUnits(target, append);
}

bool IFlow::readLine16(TString<u16>& target, bool append) {
    return readLineByUnits(target, append);
}

bool IFlow::readLine8(TString<char>& target, bool append) {
    return readLineByUnits(target, append);
}

template void IFlow::readManyByUnits(u32, u8*, u32&);
template void IFlow::readManyByUnits(u32, u16*, u32&);
template void IFlow::readManyByUnits(u32, u32*, u32&);

} // namespace ZUM
