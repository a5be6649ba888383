#include "base/StringOFlow.h"

#include "base/Exception.h"

namespace ZUM {

template <typename T>
StringOFlow<T>::StringOFlow(TString<T>* target)
    : UnitWrites<StringOFlow>(target != nullptr, widthOf<T>()), target(target) {}

template <typename T>
bool StringOFlow<T>::close() {
    const bool hadTarget = target != nullptr;
    target = nullptr;
    this->open = this->atStart = false;
    return hadTarget;
}

template <typename T>
bool StringOFlow<T>::reset() {
    if (!target) return false;
    target->clear();
    this->atStart = true;
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
void StringOFlow<T>::writeOne(U unit) {
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
void StringOFlow<T>::writeMany(u32 count, const U* units, u32& written) {
    if constexpr (sizeof(U) != sizeof(T)) {
        ZUM_THROW_IO(IOException::WidthNotProvided);
    } else {
        if (!target) ZUM_THROW_IO(IOException::NotOpen);
        target->append(reinterpret_cast<const T*>(units), count);
        written = count;
    }
}

template class UnitWrites<StringOFlow<char>>;
template class UnitWrites<StringOFlow<u16>>;
template class UnitWrites<StringOFlow<u32>>;
template class StringOFlow<char>;
template class StringOFlow<u16>;
template class StringOFlow<u32>;

} // namespace ZUM
