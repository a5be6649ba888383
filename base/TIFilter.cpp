#include "base/TIFilter.h"

#include "base/Exception.h"

namespace ZUM {

template <typename T>
template <typename U>
void TIFilter<T>::readManyOfWidth(u32 count, U* buffer, u32& got) {
    if constexpr (sizeof(U) != sizeof(T)) {
        got = 0;
        ZUM_THROW_IO(IOException::WidthNotProvided);
    } else {
        this->readManyThrough(count, buffer, got);
    }
}

template <typename T>
void TIFilter<T>::read8Many(u32 count, u8* buffer, u32& got) {
    readManyOfWidth(count, buffer, got);
}

template <typename T>
void TIFilter<T>::read16Many(u32 count, u16* buffer, u32& got) {
    readManyOfWidth(count, buffer, got);
}

template <typename T>
void TIFilter<T>::read32Many(u32 count, u32* buffer, u32& got) {
    readManyOfWidth(count, buffer, got);
}

template class TIFilter<char>;
template class TIFilter<u16>;
template class TIFilter<u32>;

} // namespace ZUM
