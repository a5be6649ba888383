#include "base/StringIFlow.h"

#include <algorithm>
#include <cstring>

#include "base/Exception.h"

namespace ZUM {

template <typename T>
StringIFlow<T>::StringIFlow(const TStringPtr<T>* text)
    : StringIFlow(text ? text->data() : nullptr, text ? text->viewLength() : 0) {}

template <typename T>
StringIFlow<T>::StringIFlow(const T* data, u32 count)
    : UnitReads<StringIFlow>(data != nullptr, widthOf<T>()), data(data), count(data ? count : 0), position(0) {}

template <typename T>
bool StringIFlow<T>::close() {
    const bool wasOpen = isOpen();
    data = nullptr;
    count = position = 0;
    this->open = this->atStart = false;
    return wasOpen;
}

template <typename T>
bool StringIFlow<T>::reset() {
    if (!isOpen()) return false;
    position = 0;
    this->atStart = true;
    return true;
}

template <typename T>
bool StringIFlow<T>::isAtStart() const {
    return isOpen() && position == 0;
}

template <typename T>
template <typename U>
U StringIFlow<T>::readOne() {
    if constexpr (sizeof(U) != sizeof(T)) {
        ZUM_THROW_IO(IOException::WidthNotProvided);
    } else {
        if (!data) ZUM_THROW_IO(IOException::NotOpen);
        if (position == count) ZUM_THROW_IO(IOException::EndOfInput);
        this->atStart = false;
        return static_cast<U>(data[position++]);
    }
}

template <typename T>
template <typename U>
void StringIFlow<T>::readMany(u32 wanted, U* buffer, u32& got) {
    if constexpr (sizeof(U) != sizeof(T)) {
        ZUM_THROW_IO(IOException::WidthNotProvided);
    } else {
        if (!data) ZUM_THROW_IO(IOException::NotOpen);
        got = std::min(wanted, count - position);
        std::memcpy(buffer, data + position, std::size_t(got) * sizeof(T));
        position += got;
        if (got > 0) this->atStart = false;
    }
}

template class UnitReads<StringIFlow<char>>;
template class UnitReads<StringIFlow<u16>>;
template class UnitReads<StringIFlow<u32>>;
template class StringIFlow<char>;
template class StringIFlow<u16>;
template class StringIFlow<u32>;

} // namespace ZUM
