#pragma once

#include "base/OFilter.h"

namespace ZUM {

// An output filter that accepts units of one width, that of T (char, u16 or
// u32); writes of the other two widths raise IOException 5.
template <typename T>
class TOFilter : public OFilter {
public:
    TOFilter() : OFilter(widthOf<T>()) {}
    explicit TOFilter(OFlow* destination) : TOFilter() { OFilter::attach(destination); }

    void write8(u8 unit) override;
    void write16(u16 unit) override;
    void write32(u32 unit) override;
    void write8Many(u32 count, const u8* units, u32& written) override;
    void write16Many(u32 count, const u16* units, u32& written) override;
    void write32Many(u32 count, const u32* units, u32& written) override;

    // The writes of width T.
    virtual void writeUnit(T unit);
    virtual void writeUnits(u32 count, const T* units, u32& written);

private:
    template <typename U>
    void put(U unit);
    template <typename U>
    void putMany(u32 count, const U* units, u32& written);
};

extern template class TOFilter<char>;
extern template class TOFilter<u16>;
extern template class TOFilter<u32>;

} // namespace ZUM
