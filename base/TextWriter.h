#pragma once

#include <cstdarg>

#include "base/Formatter.h"
#include "base/TOFilter.h"

namespace ZUM {

// An output filter that writes strings of units T and printf-style formatted
// text to its destination (not owned). The print operations collect their
// arguments from the variable argument list by the conversions of the pattern,
// then let the formatter produce the text.
template <typename T>
class TextWriter : public TOFilter<T>, public Formatter<T> {
public:
    explicit TextWriter(OFlow* destination = nullptr) : TOFilter<T>(destination) {}

    // The writes answer the number of units that went out.
    virtual u32 write(const T* units, u32 count);
    virtual u32 write(const T* terminated);
    virtual u32 write(const TStringPtr<T>& text);
    virtual u32 write(const TString<T>& text);
    virtual int printCount(u32 count, const T* pattern, ...);
    virtual int print(const T* pattern, ...);
    // The pattern is passed by pointer: va_start needs a non-reference parameter.
    virtual int printString(const TStringPtr<T>* pattern, ...);
    virtual int vprintCount(u32 count, const T* pattern, va_list args);
    virtual int vprint(const T* pattern, va_list args);
    // Answers the number of units written, or 0 without writing anything when
    // the pattern holds a conversion the collector does not know (such as a
    // length modifier).
    virtual int vprintString(const TStringPtr<T>& pattern, va_list args);

private:
    bool collectArguments(const TStringPtr<T>& pattern, va_list args);
};

extern template class TextWriter<char>;
extern template class TextWriter<u16>;
extern template class TextWriter<u32>;

} // namespace ZUM
