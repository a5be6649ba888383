#include "base/TString.h"

#include <cctype>
#include <cstdlib>
#include <new>

#include "base/RawMemory.h"
#include "base/StringOFlow.h"
#include "base/TextWriter.h"

namespace ZUM {

namespace {

constexpr u32 DefaultUnits = 10;

// Byte size of `units` units, refusing sizes the 32-bit capacity cannot hold.
template <typename T>
u32 bytesFor(std::uint64_t units) {
    std::uint64_t bytes = units * sizeof(T);
    if (bytes > UINT32_MAX) throw std::bad_alloc();
    return static_cast<u32>(bytes);
}

} // namespace

template <typename T>
u32 TString<T>::terminatedLength(const T* terminated) {
    u32 n = 0;
    if (terminated) {
        while (terminated[n] != 0) ++n;
    }
    return n;
}

template <typename T>
void TString<T>::allocate(u32 units) {
    u32 bytes = bytesFor<T>(units);
    if (bytes == 0) bytes = 1;
    buffer = static_cast<T*>(RawMemory::allocate(bytes));
    capacity = bytes;
}

template <typename T>
TString<T>::TString() : TSubString<T>(this, 0, 0) {
    allocate(DefaultUnits);
}

template <typename T>
TString<T>::TString(NoBufferTag) : TSubString<T>(this, 0, 0), buffer(noUnits), capacity(0) {}

template <typename T>
TString<T>::TString(const T* units, u32 count) : TSubString<T>(this, 0, count) {
    allocate(count);
    if (count) std::memcpy(buffer, units, count * sizeof(T));
}

template <typename T>
TString<T>::TString(const T* terminated) : TString(terminated, terminatedLength(terminated)) {}

template <typename T>
TString<T>::TString(const TString& other) : TString(other.data(), other.length()) {}

template <typename T>
TString<T>::TString(const TStringPtr<T>& view) : TString(view.data(), view.viewLength()) {}

template <typename T>
TString<T>& TString<T>::operator=(const TString& other) {
    if (this != &other) assign(other);
    return *this;
}

template <typename T>
TString<T>::~TString() {
    if (capacity) RawMemory::release(buffer);
}

// Reallocates to exactly `units` units (1 byte for none); never shrinks. A
// borrowed buffer is copied into the first one of the string's own.
template <typename T>
void TString<T>::growTo(u32 units) {
    // A borrowed buffer's units all move into the new one, whatever is asked.
    if (!capacity && units < this->end) units = this->end;
    u32 bytes = bytesFor<T>(units);
    if (bytes == 0) bytes = 1;
    if (bytes <= capacity) return;
    T* grown = static_cast<T*>(capacity ? RawMemory::reallocate(buffer, bytes)
                                        : RawMemory::allocate(bytes));
    if (!capacity && this->end) std::memcpy(grown, buffer, this->end * sizeof(T));
    buffer = grown;
    capacity = bytes;
}

// Nothing but growTo writes past end, and everything before end is this
// string's own, so only growTo needs to know the buffer is borrowed.
template <typename T>
void TString<T>::borrow(T* units, u32 count) {
    if (capacity) RawMemory::release(buffer);
    buffer = count ? units : noUnits;
    capacity = 0;
    this->start = 0;
    this->end = count;
}

template <typename T>
bool TString<T>::overlapsBuffer(const T* units) const {
    auto p = reinterpret_cast<std::uintptr_t>(units);
    auto b = reinterpret_cast<std::uintptr_t>(buffer);
    return p >= b && p < b + capacity;
}

template <typename T>
void TString<T>::reserve(u32 units) {
    const u32 had = capacity;
    growTo(units);
    if (capacity > had) preparePages(buffer + had / sizeof(T), capacity - had);
}

template <typename T>
void TString<T>::assign(const T* units, u32 count) {
    if (overlapsBuffer(units)) {
        TString copy(units, count); // the source lies in our own buffer
        assign(copy.data(), count);
        return;
    }
    growTo(count);
    if (count) std::memmove(buffer, units, count * sizeof(T));
    this->start = 0;
    this->end = count;
}

template <typename T>
void TString<T>::assign(const TStringPtr<T>& view) {
    assign(view.data(), view.viewLength());
}

template <typename T>
void TString<T>::assign(const T* terminated) {
    assign(terminated, terminatedLength(terminated));
}

template <typename T>
void TString<T>::append(const T* units, u32 count) {
    if (count == 0) return;
    if (overlapsBuffer(units)) {
        TString copy(units, count); // moving or growing would invalidate the source
        append(copy.data(), count);
        return;
    }
    u32& start = this->start;
    u32& end = this->end;
    if (static_cast<std::uint64_t>(end) + count < capacityUnits()) {
        std::memcpy(buffer + end, units, count * sizeof(T));
        end += count;
    } else if (count < start) {
        std::memmove(buffer + start - count, buffer + start, (end - start) * sizeof(T));
        start -= count;
        std::memcpy(buffer + end - count, units, count * sizeof(T));
    } else {
        std::uint64_t needed = std::uint64_t(end) + count;
        if (needed > UINT32_MAX) throw std::bad_alloc();
        growTo(static_cast<u32>(needed));
        std::memcpy(buffer + end, units, count * sizeof(T));
        end += count;
    }
}

template <typename T>
void TString<T>::pushSlow(T unit) {
    u32& start = this->start;
    u32& end = this->end;
    if (start > 0) {
        std::memmove(buffer + start - 1, buffer + start, (end - start) * sizeof(T));
        --start;
        buffer[end - 1] = unit;
    } else {
        growTo(end + 1);
        buffer[end++] = unit;
    }
}

template <typename T>
bool TString<T>::erase(u32 index, u32 count) {
    u32& start = this->start;
    u32& end = this->end;
    const u32 length = end - start;
    if (index > length) return false;
    if (count == 0) return true;
    if (std::uint64_t(index) + count > length || index == length) return false;
    if (index == 0) {
        start += count;
    } else if (index + count == length) {
        end = start + index;
    } else if (length - index - count < index) {
        T* tail = buffer + start + index + count;
        std::memmove(tail - count, tail, (length - index - count) * sizeof(T));
        end -= count;
    } else {
        std::memmove(buffer + start + count, buffer + start, index * sizeof(T));
        start += count;
    }
    return true;
}

template <typename T>
T* TString<T>::terminate() {
    u32& start = this->start;
    u32& end = this->end;
    if (end >= capacityUnits()) {
        if (start > 0) {
            std::memmove(buffer + start - 1, buffer + start, (end - start) * sizeof(T));
            --start;
            --end;
        } else {
            growTo(end + 1);
        }
    }
    buffer[end] = 0;
    return buffer + start;
}

namespace {

// 8-bit units compare as signed char, wider ones as unsigned.
template <typename T>
int compareUnits(const T* a, u32 na, const T* b, u32 nb) {
    const u32 n = na < nb ? na : nb;
    for (u32 i = 0; i < n; ++i) {
        if (a[i] != b[i]) return a[i] > b[i] ? 1 : -1;
    }
    if (na == nb) return 0;
    return na > nb ? 1 : -1;
}

// The 8-bit-only operations work on bytes; written over char pointers so that
// every width's instantiation compiles them.
int compareBytesIgnoreCase(const char* a, u32 na, const char* b) {
    auto fold = [](char c) {
        int u = static_cast<unsigned char>(c);
        return static_cast<char>(std::isupper(u) ? std::tolower(u) : u);
    };
    const u32 nb = static_cast<u32>(std::strlen(b));
    for (u32 i = 0; i < na && i < nb; ++i) {
        char x = fold(a[i]);
        char y = fold(b[i]);
        if (x != y) return x > y ? 1 : -1;
    }
    if (na == nb) return 0;
    return na > nb ? 1 : -1;
}

u32 decimalValue(const char* text, u32 length) {
    u32 value = 0;
    for (u32 i = 0; i < length; ++i) {
        if (text[i] < '0' || text[i] > '9') return 0;
        value = value * 10 + static_cast<u32>(text[i] - '0');
    }
    return value;
}

} // namespace

template <typename T>
int TString<T>::compare(const TStringPtr<T>& other) const {
    return compareUnits(data(), length(), other.data(), other.viewLength());
}

template <typename T>
int TString<T>::compare(const T* terminated) const {
    return compareUnits(data(), length(), terminated, terminatedLength(terminated));
}

template <typename T>
int TString<T>::compareIgnoreCase(const char* terminated) const requires(sizeof(T) == 1) {
    return compareBytesIgnoreCase(reinterpret_cast<const char*>(data()), length(), terminated);
}

template <typename T>
u32 TString<T>::toUnsigned() const requires(sizeof(T) == 1) {
    return decimalValue(reinterpret_cast<const char*>(data()), length());
}

template <typename T>
int TString<T>::formatCount(u32 count, const T* pattern, ...) {
    va_list args;
    va_start(args, pattern);
    int n = vformatCount(count, pattern, args);
    va_end(args);
    return n;
}

template <typename T>
int TString<T>::format(const T* pattern, ...) {
    va_list args;
    va_start(args, pattern);
    int n = vformat(pattern, args);
    va_end(args);
    return n;
}

template <typename T>
int TString<T>::formatString(const TStringPtr<T>* pattern, ...) {
    va_list args;
    va_start(args, pattern);
    int n = vformatString(*pattern, args);
    va_end(args);
    return n;
}

template <typename T>
int TString<T>::vformatCount(u32 count, const T* pattern, va_list args) {
    return vformatString(TString(pattern, count), args);
}

template <typename T>
int TString<T>::vformat(const T* pattern, va_list args) {
    return vformatString(TString(pattern), args);
}

// The pattern is copied first: it may be this very string, which is emptied
// before the text is appended.
template <typename T>
int TString<T>::vformatString(const TStringPtr<T>& pattern, va_list args) {
    const TString ownPattern(pattern);
    clear();
    StringOFlow<T> flow(this);
    TextWriter<T> writer(&flow);
    return writer.vprintString(ownPattern, args);
}

template class TStringPtr<char>;
template class TStringPtr<u16>;
template class TStringPtr<u32>;
template class TSubString<char>;
template class TSubString<u16>;
template class TSubString<u32>;
template class TString<char>;
template class TString<u16>;
template class TString<u32>;

} // namespace ZUM
