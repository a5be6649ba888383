#include "base/PushbackIFilter.h"

#include <algorithm>
#include <new>

#include "base/Exception.h"

namespace ZUM {

namespace {
constexpr u32 InitialCapacity = 16;
}

template <typename T>
PushbackIFilter<T>::PushbackIFilter()
    : buffer(new T[InitialCapacity]), capacity(InitialCapacity), count(0) {}

template <typename T>
bool PushbackIFilter<T>::reset() {
    count = 0;
    return TIFilter<T>::reset();
}

template <typename T>
template <typename U>
U PushbackIFilter<T>::readOne() {
    if constexpr (sizeof(U) != sizeof(T)) {
        ZUM_THROW_IO(IOException::WidthNotProvided);
    } else {
        if (!this->source) ZUM_THROW_IO(IOException::NoSource);
        T pending;
        if (popPending(pending)) return static_cast<U>(pending);
        const U unit = this->source->template readAs<U>();
        this->atStart = false;
        return unit;
    }
}

template <typename T>
T PushbackIFilter<T>::readUnit() {
    if (!this->source) ZUM_THROW_IO(IOException::NoSource);
    return static_cast<T>(this->template readAs<T>());
}

template <typename T>
void PushbackIFilter<T>::readUnits(u32 wanted, T* units, u32& got) {
    this->template readManyAs<T>(wanted, reinterpret_cast<FlowUnit<T>*>(units), got);
}

template <typename T>
void PushbackIFilter<T>::unread(T unit) {
    pushPending(unit);
}

template <typename T>
void PushbackIFilter<T>::grow() {
    if (capacity > UINT32_MAX / 2) throw std::bad_alloc();
    std::unique_ptr<T[]> grown(new T[capacity * 2]);
    std::copy(buffer.get(), buffer.get() + count, grown.get());
    buffer = std::move(grown);
    capacity *= 2;
}

template class UnitReads<PushbackIFilter<char>, TIFilter<char>>;
template class UnitReads<PushbackIFilter<u16>, TIFilter<u16>>;
template class UnitReads<PushbackIFilter<u32>, TIFilter<u32>>;
template class PushbackIFilter<char>;
template class PushbackIFilter<u16>;
template class PushbackIFilter<u32>;

} // namespace ZUM
