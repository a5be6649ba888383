#include "base/TIFilter.h"

#include "base/Exception.h"

namespace ZUM {

template <typename T>
template <typename U>
void TIFilter<T>::readMany(u32 count, U* buffer, u32& got) {
    if constexpr (sizeof(U) != sizeof(T)) {
        ZUM_THROW_IO(IOException::WidthNotProvided);
    } else {
        IFilter::readMany(count, buffer, got);
    }
}

template class UnitReads<TIFilter<char>, IFilter>;
template class UnitReads<TIFilter<u16>, IFilter>;
template class UnitReads<TIFilter<u32>, IFilter>;
template class TIFilter<char>;
template class TIFilter<u16>;
template class TIFilter<u32>;

} // namespace ZUM
