#pragma once

#include "base/IFilter.h"

namespace ZUM {

// An input filter that delivers units of one width, that of T (char, u16 or
// u32). Its many-unit reads of the other two widths raise IOException 5.
template <typename T>
class TIFilter : public UnitReads<TIFilter<T>, IFilter> {
public:
    TIFilter() : UnitReads<TIFilter, IFilter>(widthOf<T>()) {}

private:
    friend UnitReads<TIFilter, IFilter>;
    template <typename U>
    void readMany(u32 count, U* buffer, u32& got);
};

extern template class UnitReads<TIFilter<char>, IFilter>;
extern template class UnitReads<TIFilter<u16>, IFilter>;
extern template class UnitReads<TIFilter<u32>, IFilter>;
extern template class TIFilter<char>;
extern template class TIFilter<u16>;
extern template class TIFilter<u32>;

} // namespace ZUM
