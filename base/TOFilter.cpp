#include "base/TOFilter.h"

#include "base/Exception.h"

namespace ZUM {

template <typename T>
template <typename U>
void TOFilter<T>::put(U unit) {
    if constexpr (sizeof(U) != sizeof(T)) {
        ZUM_THROW_IO(IOException::WidthNotProvided);
    } else {
        this->pass(unit);
    }
}

template <typename T>
template <typename U>
void TOFilter<T>::putMany(u32 count, const U* units, u32& written) {
    if constexpr (sizeof(U) != sizeof(T)) {
        written = 0;
        ZUM_THROW_IO(IOException::WidthNotProvided);
    } else {
        this->passMany(count, units, written);
    }
}

template <typename T>
void TOFilter<T>::write8(u8 unit) {
    put(unit);
}

template <typename T>
void TOFilter<T>::write16(u16 unit) {
    put(unit);
}

template <typename T>
void TOFilter<T>::write32(u32 unit) {
    put(unit);
}

template <typename T>
void TOFilter<T>::write8Many(u32 count, const u8* units, u32& written) {
    putMany(count, units, written);
}

template <typename T>
void TOFilter<T>::write16Many(u32 count, const u16* units, u32& written) {
    putMany(count, units, written);
}

template <typename T>
void TOFilter<T>::write32Many(u32 count, const u32* units, u32& written) {
    putMany(count, units, written);
}

template <typename T>
void TOFilter<T>::writeUnit(T unit) {
    this->template writeAs<T>(static_cast<FlowUnit<T>>(unit));
}

template <typename T>
void TOFilter<T>::writeUnits(u32 count, const T* units, u32& written) {
    this->template writeManyAs<T>(count, reinterpret_cast<const FlowUnit<T>*>(units), written);
}

template class TOFilter<char>;
template class TOFilter<u16>;
template class TOFilter<u32>;

} // namespace ZUM
