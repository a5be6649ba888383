#pragma once

#include "base/Flow.h"
#include "base/TString.h"

namespace ZUM {

// A flow that consumes units. Array writes report in `written` how many units
// went out, also when a failure interrupts them.
class OFlow : public Flow {
public:
    virtual void flush() = 0;
    virtual void write8(u8 unit) = 0;
    virtual void write16(u16 unit) = 0;
    virtual void write32(u32 unit) = 0;

    // The defaults write unit by unit.
    virtual void write8Many(u32 count, const u8* units, u32& written);
    virtual void write16Many(u32 count, const u16* units, u32& written);
    virtual void write32Many(u32 count, const u32* units, u32& written);

    // Write the units before the zero terminator, or the units of a string or
    // view, with the array write of that width; true when all went out.
    virtual bool writeTerminated32(const u32* units);
    virtual bool writeTerminated16(const u16* units);
    virtual bool writeTerminated8(const char* units);
    virtual bool writeString32(const TStringPtr<u32>& text);
    virtual bool writeString16(const TStringPtr<u16>& text);
    virtual bool writeString8(const TStringPtr<char>& text);

    // The writes of the width of T, so that code for all widths is written once.
    template <typename T>
    void writeAs(FlowUnit<T> unit) {
        if constexpr (sizeof(T) == 1) {
            write8(unit);
        } else if constexpr (sizeof(T) == 2) {
            write16(unit);
        } else {
            write32(unit);
        }
    }

    template <typename T>
    void writeManyAs(u32 count, const FlowUnit<T>* units, u32& written) {
        if constexpr (sizeof(T) == 1) {
            write8Many(count, units, written);
        } else if constexpr (sizeof(T) == 2) {
            write16Many(count, units, written);
        } else {
            write32Many(count, units, written);
        }
    }

protected:
    using Flow::Flow;

private:
    template <typename U>
    void writeManyByUnits(u32 count, const U* units, u32& written);
    template <typename S>
    bool writeAll(u32 count, const S* units);
};

} // namespace ZUM
