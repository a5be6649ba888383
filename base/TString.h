#pragma once

#include <cstdarg>
#include <cstring>

#include "base/Object.h"
#include "base/Units.h"

namespace ZUM {

template <typename T>
class TString;

// A view of a string: the owner and a window [start, end) of its units relative
// to the owner's first unit. It never owns memory; the owner must outlive it.
template <typename T>
class TStringPtr : public Object {
public:
    TStringPtr(TString<T>* owner, u32 start, u32 end) : owner(owner), start(start), end(end) {}
    TStringPtr(const TStringPtr&) = default;
    TStringPtr& operator=(const TStringPtr&) = default;
    virtual ~TStringPtr() = default;

    virtual T* data() const;
    virtual u32 offset() const { return start; }
    virtual T* pointerAt(u32 index) const { return data() + index; }

    // Number of units in the window; the same rule serves every view kind.
    u32 viewLength() const { return end - start; }

    // Equality of the viewed units (symmetric, so C++20 finds no reversed rival).
    friend bool operator==(const TStringPtr& a, const TStringPtr& b) {
        const u32 n = a.viewLength();
        return n == b.viewLength() &&
               (n == 0 || std::memcmp(a.data(), b.data(), n * sizeof(T)) == 0);
    }
    friend bool operator==(const TStringPtr& a, const T* terminated) {
        const u32 n = a.viewLength();
        const T* units = a.data();
        for (u32 i = 0; i < n; ++i) {
            if (terminated[i] != units[i]) return false; // also stops at the terminator
        }
        return terminated[n] == 0;
    }

protected:
    TString<T>* owner;
    u32 start;
    u32 end;
};

// A prefix view: the first min(n, owner length) units of a string.
template <typename T>
class TSubString : public TStringPtr<T> {
public:
    TSubString(TString<T>& owner, u32 n);

    virtual u32 length() const { return this->end; }
    virtual T* endPointer() const { return this->owner->data() + this->start + this->end; }

protected:
    // For TString: start and end are buffer indices of the text.
    TSubString(TString<T>* self, u32 start, u32 end) : TStringPtr<T>(self, start, end) {}
};

// A counted string of units T. The text occupies buffer[start, end): removing from
// the front only moves start, and later appends reuse that front gap before the
// buffer grows. Buffers grow to exactly the size needed, never geometrically.
template <typename T>
class TString : public TSubString<T> {
public:
    TString();
    // An empty string that allocates nothing until units arrive; for the many
    // values that stay empty, such as those of element nodes.
    enum NoBufferTag { NoBuffer };
    explicit TString(NoBufferTag);
    TString(const T* units, u32 count);
    explicit TString(const T* terminated);
    TString(const TString& other);
    explicit TString(const TStringPtr<T>& view);
    TString& operator=(const TString& other);
    ~TString() override;

    T* data() const override { return buffer + this->start; }
    u32 offset() const override { return 0; }
    T* pointerAt(u32 index) const override { return buffer + this->start + index; }
    u32 length() const override { return this->end - this->start; }
    T* endPointer() const override { return buffer + this->end; }

    // Replace the contents with formatted text (the formatter's pattern language);
    // they answer the number of units produced.
    virtual int formatCount(u32 count, const T* pattern, ...);
    virtual int format(const T* pattern, ...);
    // The pattern is passed by pointer: va_start needs a non-reference parameter.
    virtual int formatString(const TStringPtr<T>* pattern, ...);
    virtual int vformatCount(u32 count, const T* pattern, va_list args);
    virtual int vformat(const T* pattern, va_list args);
    virtual int vformatString(const TStringPtr<T>& pattern, va_list args);

    void assign(const TStringPtr<T>& view);
    void assign(const T* terminated);
    void assign(const T* units, u32 count);

    void append(const TStringPtr<T>& view) { append(view.data(), view.viewLength()); }
    void append(const T* terminated) { append(terminated, terminatedLength(terminated)); }
    void append(const T* units, u32 count);

    void push(T unit) {
        if (this->end < capacityUnits()) {
            buffer[this->end++] = unit;
        } else {
            pushSlow(unit);
        }
    }

    bool erase(u32 index, u32 count);
    T* terminate();
    void clear() { this->start = this->end = 0; }

    // Views `count` units that the string neither frees nor grows in place:
    // the first change that needs more room copies them into a buffer of its
    // own. The units must outlive the string, or that change.
    void borrow(T* units, u32 count);

    // Grows the buffer to hold at least `units` units counted from its first
    // unit, so a caller that knows the final size avoids growing unit by unit.
    // A large reserve has its new pages made ready for writing at once.
    void reserve(u32 units);

    int compare(const TStringPtr<T>& other) const;
    int compare(const T* terminated) const;
    int compareIgnoreCase(const char* terminated) const requires(sizeof(T) == 1);
    u32 toUnsigned() const requires(sizeof(T) == 1);

    T operator[](u32 index) const { return buffer[this->start + index]; }
    u32 frontGap() const { return this->start; }
    u32 capacityBytes() const { return capacity; }

    static u32 terminatedLength(const T* terminated);

protected:
    T* buffer;
    u32 capacity; // in bytes; 0 while the buffer is borrowed or the shared empty one

    // What an unallocated string points at; never written.
    inline static T noUnits[1] = {0};

private:
    u32 capacityUnits() const { return capacity / sizeof(T); }
    void pushSlow(T unit);
    void growTo(u32 units);
    void allocate(u32 units);
    bool overlapsBuffer(const T* units) const;
};

class Utf8String : public TString<char> {
public:
    using TString<char>::TString;
};

class Utf16String : public TString<u16> {
public:
    using TString<u16>::TString;
    // Convenience for literals written as u"...".
    explicit Utf16String(const char16_t* text) : TString<u16>(reinterpret_cast<const u16*>(text)) {}
};

class PathString : public Utf16String {
public:
    using Utf16String::Utf16String;
};

template <typename T>
T* TStringPtr<T>::data() const {
    return owner->data() + start;
}

template <typename T>
TSubString<T>::TSubString(TString<T>& owner, u32 n)
    : TStringPtr<T>(&owner, 0, n < owner.length() ? n : owner.length()) {}

extern template class TStringPtr<char>;
extern template class TStringPtr<u16>;
extern template class TStringPtr<u32>;
extern template class TSubString<char>;
extern template class TSubString<u16>;
extern template class TSubString<u32>;
extern template class TString<char>;
extern template class TString<u16>;
extern template class TString<u32>;

} // namespace ZUM
