#pragma once

#include "base/IFilter.h"

namespace ZUM {

// An input filter that delivers units of one width, that of T (char, u16 or
// u32). Its many-unit reads of the other two widths raise IOException 5.
template <typename T>
class TIFilter : public IFilter {
public:
    TIFilter() : IFilter(widthOf<T>()) {}

    void read8Many(u32 count, u8* buffer, u32& got) override;
    void read16Many(u32 count, u16* buffer, u32& got) override;
    void read32Many(u32 count, u32* buffer, u32& got) override;

private:
    template <typename U>
    void readManyOfWidth(u32 count, U* buffer, u32& got);
};

extern template class TIFilter<char>;
extern template class TIFilter<u16>;
extern template class TIFilter<u32>;

} // namespace ZUM
