#pragma once

#include "base/OFilter.h"

namespace ZUM {

// An output filter that accepts units of one width, that of T (char, u16 or
// u32); writes of the other two widths raise IOException 5.
template <typename T>
class TOFilter : public UnitWrites<TOFilter<T>, OFilter> {
public:
    TOFilter() : UnitWrites<TOFilter, OFilter>(widthOf<T>()) {}
    explicit TOFilter(OFlow* destination) : TOFilter() { OFilter::attach(destination); }

    // The writes of width T.
    virtual void writeUnit(T unit);
    virtual void writeUnits(u32 count, const T* units, u32& written);

private:
    friend UnitWrites<TOFilter, OFilter>;
    template <typename U>
    void writeOne(U unit);
    template <typename U>
    void writeMany(u32 count, const U* units, u32& written);
};

extern template class UnitWrites<TOFilter<char>, OFilter>;
extern template class UnitWrites<TOFilter<u16>, OFilter>;
extern template class UnitWrites<TOFilter<u32>, OFilter>;
extern template class TOFilter<char>;
extern template class TOFilter<u16>;
extern template class TOFilter<u32>;

} // namespace ZUM
