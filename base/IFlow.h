#pragma once

#include "base/Flow.h"
#include "base/TString.h"

namespace ZUM {

// A flow that produces units. Reading past the end raises IOException 1; the
// array and line reads below treat that as their normal end.
class IFlow : public Flow {
public:
    virtual u8 read8() = 0;
    virtual u16 read16() = 0;
    virtual u32 read32() = 0;

    // Read up to `count` units; `got` says how many arrived, also when a
    // failure interrupts the read. The defaults read unit by unit and stop
    // quietly at the end of input.
    virtual void read8Many(u32 count, u8* buffer, u32& got);
    virtual void read16Many(u32 count, u16* buffer, u32& got);
    virtual void read32Many(u32 count, u32* buffer, u32& got);

    // Read one line into `target` (emptied first unless `append`). A line feed is
    // stored and ends the line, a zero unit ends it unstored; both answer false.
    // True means the input ended first.
    virtual bool readLine32(TString<u32>& target, bool append);
    virtual bool readLine16(TString<u16>& target, bool append);
    virtual bool readLine8(TString<char>& target, bool append);

    // The reads of the width of T, so that code for all widths is written once.
    template <typename T>
    FlowUnit<T> readAs() {
        if constexpr (sizeof(T) == 1) {
            return read8();
        } else if constexpr (sizeof(T) == 2) {
            return read16();
        } else {
            return read32();
        }
    }

    template <typename T>
    void readManyAs(u32 count, FlowUnit<T>* buffer, u32& got) {
        if constexpr (sizeof(T) == 1) {
            read8Many(count, buffer, got);
        } else if constexpr (sizeof(T) == 2) {
            read16Many(count, buffer, got);
        } else {
            read32Many(count, buffer, got);
        }
    }

protected:
    using Flow::Flow;

    template <typename U>
    void readManyByUnits(u32 count, U* buffer, u32& got);
    template <typename S>
    bool readLineByUnits(TString<S>& target, bool append);
};

} // namespace ZUM
