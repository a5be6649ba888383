#include "base/StringOFlow.h"

#include "base/Exception.h"

namespace ZUM {

template <typename T>
StringOFlow<T>::StringOFlow(TString<T>* target)
    : OFlow(target != nullptr, widthOf<T>()), target(target) {}

template <typename T>
bool StringOFlow<T>::close() {
    const bool hadTarget = target != nullptr;
    target = nullptr;
    open = atStart = false;
    return hadTarget;
}

template <typename T>
bool StringOFlow<T>::reset() {
    if (!target) return false;
    target->clear();
    atStart = true;
    return true;
}

template <typename T>
bool StringOFlow<T>::isAtStart() const {
    return target && target->length() == 0;
}

template <typename T>
u32 StringOFlow<T>::size() const {
    return target ? target->length() : 0;
}

template <typename T>
template <typename U>
void StringOFlow<T>::put(U unit) {
    if constexpr (sizeof(U) != sizeof(T)) {
        ZUM_THROW_IO(IOException::WidthNotProvided);
    } else {
        if (!target) ZUM_THROW_IO(IOException::NotOpen);
        target->push(static_cast<T>(unit));
    }
}

// One append for the whole array, so the string grows once and exactly.
template <typename T>
template <typename U>
void StringOFlow<T>::putMany(u32 count, const U* units, u32& written) {
    written = 0;
    if constexpr (sizeof(U) != sizeof(T)) {
        ZUM_THROW_IO(IOException::WidthNotProvided);
    } else {
        if (!target) ZUM_THROW_IO(IOException::NotOpen);
        target->append(reinterpret_cast<const T*>(units), count);
        written = count;
    }
}

template <typename T>
void StringOFlow<T>::write8(u8 unit) {
    put(unit);
}

template <typename T>
void StringOFlow<T>::write16(u16 unit) {
    put(unit);
}

template <typename T>
void StringOFlow<T>::write32(u32 unit) {
    put(unit);
}

template <typename T>
void StringOFlow<T>::write8Many(u32 count, const u8* units, u32& written) {
    putMany(count, units, written);
}

template <typename T>
void StringOFlow<T>::write16Many(u32 count, const u16* units, u32& written) {
    putMany(count, units, written);
}

template <typename T>
void StringOFlow<T>::write32Many(u32 count, const u32* units, u32& written) {
    putMany(count, units, written);
}

template class StringOFlow<char>;
template class StringOFlow<u16>;
template class StringOFlow<u32>;

} // namespace ZUM
