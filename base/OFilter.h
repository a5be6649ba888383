#pragma once

#include "base/OFlow.h"

namespace ZUM {

// An output flow that writes to another output flow (its destination, not
// owned). This base passes units of every width through; writing or flushing
// without a destination raises IOException 7.
class OFilter : public OFlow {
public:
    OFilter() : OFilter(WidthAny) {}

    bool close() override; // detaches the destination
    bool isOpen() const override { return destination != nullptr; }
    bool reset() override; // resets the destination too
    bool isReady() const override;

    void flush() override;
    void write8(u8 unit) override;
    void write16(u16 unit) override;
    void write32(u32 unit) override;
    void write8Many(u32 count, const u8* units, u32& written) override;
    void write16Many(u32 count, const u16* units, u32& written) override;
    void write32Many(u32 count, const u32* units, u32& written) override;

    // Writes to `destination` from now on, at start; false for null.
    virtual bool attach(OFlow* destination);

protected:
    // Delivers and accepts `widths`; detached, not open, not at start.
    explicit OFilter(int widths);

    template <typename U>
    void pass(U unit);
    template <typename U>
    void passMany(u32 count, const U* units, u32& written);

    OFlow* destination;
    std::int32_t acceptedWidths;
};

} // namespace ZUM
