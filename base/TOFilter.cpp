#include "base/TOFilter.h"

#include "base/Exception.h"

namespace ZUM {

template <typename T>
template <typename U>
void TOFilter<T>::writeOne(U unit) {
    if constexpr (sizeof(U) != sizeof(T)) {
        ZUM_THROW_IO(IOException::WidthNotProvided);
    } else {
        OFilter::writeOne(unit);
    }
}

template <typename T>
template <typename U>
void TOFilter<T>::writeMany(u32 count, const U* units, u32& written) {
    if constexpr (sizeof(U) != sizeof(T)) {
        ZUM_THROW_IO(IOException::WidthNotProvided);
    } else {
        OFilter::writeMany(count, units, written);
    }
}

template <typename T>
void TOFilter<T>::writeUnit(T unit) {
    this->template writeAs<T>(static_cast<FlowUnit<T>>(unit));
}

template <typename T>
void TOFilter<T>::writeUnits(u32 count, const T* units, u32& written) {
    this->template writeManyAs<T>(count, reinterpret_cast<const FlowUnit<T>*>(units), written);
}

template class UnitWrites<TOFilter<char>, OFilter>;
template class UnitWrites<TOFilter<u16>, OFilter>;
template class UnitWrites<TOFilter<u32>, OFilter>;
template class TOFilter<char>;
template class TOFilter<u16>;
template class TOFilter<u32>;

} // namespace ZUM
