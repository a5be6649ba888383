#pragma once

#include "base/UnitWrites.h"

namespace ZUM {

// An output flow that writes to another output flow (its destination, not
// owned). This base passes units of every width through; writing or flushing
// without a destination raises IOException 7.
class OFilter : public UnitWrites<OFilter> {
public:
    OFilter() : OFilter(WidthAny) {}

    bool close() override; // detaches the destination
    bool isOpen() const override { return destination != nullptr; }
    bool reset() override; // resets the destination too
    bool isReady() const override;

    void flush() override;

    // Writes to `destination` from now on, at start; false for null.
    virtual bool attach(OFlow* destination);

protected:
    // Delivers and accepts `widths`; detached, not open, not at start.
    explicit OFilter(int widths);

    friend UnitWrites;
    template <typename U>
    void writeOne(U unit);
    template <typename U>
    void writeMany(u32 count, const U* units, u32& written);

    OFlow* destination;
    std::int32_t acceptedWidths;
};

extern template class UnitWrites<OFilter>;

} // namespace ZUM
