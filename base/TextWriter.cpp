#include "base/TextWriter.h"

#include <memory>
#include <type_traits>

namespace ZUM {

template <typename T>
u32 TextWriter<T>::write(const T* units, u32 count) {
    u32 written = 0;
    this->writeUnits(count, units, written);
    return written;
}

template <typename T>
u32 TextWriter<T>::write(const T* terminated) {
    return write(terminated, TString<T>::terminatedLength(terminated));
}

template <typename T>
u32 TextWriter<T>::write(const TStringPtr<T>& text) {
    return write(text.data(), text.viewLength());
}

template <typename T>
u32 TextWriter<T>::write(const TString<T>& text) {
    return write(static_cast<const TStringPtr<T>&>(text));
}

template <typename T>
int TextWriter<T>::printCount(u32 count, const T* pattern, ...) {
    va_list args;
    va_start(args, pattern);
    int n = vprintCount(count, pattern, args);
    va_end(args);
    return n;
}

template <typename T>
int TextWriter<T>::print(const T* pattern, ...) {
    va_list args;
    va_start(args, pattern);
    int n = vprint(pattern, args);
    va_end(args);
    return n;
}

template <typename T>
int TextWriter<T>::printString(const TStringPtr<T>* pattern, ...) {
    va_list args;
    va_start(args, pattern);
    int n = vprintString(*pattern, args);
    va_end(args);
    return n;
}

template <typename T>
int TextWriter<T>::vprintCount(u32 count, const T* pattern, va_list args) {
    return vprintString(TString<T>(pattern, count), args);
}

template <typename T>
int TextWriter<T>::vprint(const T* pattern, va_list args) {
    return vprintString(TString<T>(pattern), args);
}

// Takes one argument from `args` for each conversion (and each "*") of the
// pattern, in pattern order, with the kind the conversion letter implies.
template <typename T>
bool TextWriter<T>::collectArguments(const TStringPtr<T>& pattern, va_list args) {
    const T* p = pattern.data();
    const T* const end = p + pattern.viewLength();
    auto skip = [&](char c) {
        if (p < end && *p == static_cast<T>(c)) {
            ++p;
            return true;
        }
        return false;
    };
    auto skipDigits = [&] {
        while (p < end && *p >= '0' && *p <= '9') ++p;
    };
    while (p < end) {
        if (*p++ != '%') continue;
        if (skip('%')) continue;
        if (skip('{')) {
            skipDigits();
            skip('}');
        }
        for (char flag : {'-', '+', ' ', '0', '#'}) skip(flag);
        if (skip('*'))
            this->addInt(va_arg(args, int));
        else
            skipDigits();
        if (skip('.')) {
            if (skip('*'))
                this->addInt(va_arg(args, int));
            else
                skipDigits();
        }
        if (p >= end) break;
        const auto letter = static_cast<std::make_unsigned_t<T>>(*p++);
        switch (letter) {
        case 'c':
        case 'd':
        case 'i': this->addInt(va_arg(args, int)); break;
        case 'X':
        case 'o':
        case 'u':
        case 'x': this->addUnsigned(va_arg(args, unsigned)); break;
        case 'E':
        case 'G':
        case 'e':
        case 'f':
        case 'g': this->addDouble(va_arg(args, double)); break;
        case 's': this->addTerminated(va_arg(args, const T*)); break;
        case 'p': this->addPointer(va_arg(args, const void*)); break;
        case 'n': this->addIntPointer(va_arg(args, int*)); break;
        default: return false;
        }
    }
    return true;
}

template <typename T>
int TextWriter<T>::vprintString(const TStringPtr<T>& pattern, va_list args) {
    va_list own;
    va_copy(own, args);
    bool known = false;
    try {
        known = collectArguments(pattern, own);
        if (known) this->setPattern(pattern);
    } catch (...) {
        // Memory ran out part-way: the arguments collected so far go too.
        va_end(own);
        this->discardArguments();
        throw;
    }
    va_end(own);
    if (!known) {
        this->discardArguments();
        return 0;
    }
    std::unique_ptr<TString<T>> text(this->format(true));
    write(*text);
    return static_cast<int>(text->length());
}

template class TextWriter<char>;
template class TextWriter<u16>;
template class TextWriter<u32>;

} // namespace ZUM
