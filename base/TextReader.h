#pragma once

#include <memory>

#include "base/Collection.h"
#include "base/PushbackIFilter.h"

namespace ZUM {

// A scanning front end over any input flow: units of width T with unlimited
// push-back, a line counter, and the token operations hand-written parsers need.
// The source is read in blocks of 16384 units into the push-back stack, so a
// reader over a file makes one array read per block.
//
// Operations returning a string hand a new TString<T> to the caller. Those that
// need their delimiter raise IOException 1 when the input ends first; every
// string made by a failing operation is deleted before the exception passes on.
template <typename T>
class TextReader : public PushbackIFilter<T> {
public:
    static constexpr u32 BlockSize = 0x4000;

    // A null source gives a reader that is not open.
    explicit TextReader(IFlow* source = nullptr);

    bool reset() override; // also zeroes the line counter

    T readUnit() override;
    void readUnits(u32 count, T* buffer, u32& got) override;
    virtual void setLine(std::int32_t n) { currentLine = n; }
    virtual std::int32_t line() const { return currentLine; }
    virtual void putBack(T unit);
    virtual TString<T>* readAll();
    virtual TString<T>* readLine();
    virtual TString<T>* readUntilUnit(T delimiter);
    virtual TString<T>* readUntilOneOf(const T* const* delimiters);
    virtual TString<T>* readUntilOneOf(const Collection<TString<T>>& delimiters);
    virtual TString<T>* readUntil(const T* delimiter, u32 count);
    virtual TString<T>* readUntil(const T* delimiter);
    virtual TString<T>* readUntil(const TStringPtr<T>& delimiter);
    virtual bool skipLiteral(const T* literal);
    virtual bool skipLiteral(const TStringPtr<T>& literal);
    virtual int skipAny(const T* const* literals);
    virtual int skipAny(const Collection<TString<T>>& literals);
    virtual bool skipUnit(T unit);
    virtual TString<T>* readRun(T unit);
    virtual TString<T>* readWhileIn(const TStringPtr<T>& set);
    virtual TString<T>* readWhileIn(const T* set);
    virtual TString<T>* readWhileIn(const T* set, u32 count);

private:
    // A delimiter or literal as pointer and length.
    struct Span {
        const T* units;
        u32 count;
    };

    void refill();
    bool tryReadUnit(T& unit); // false at the end of input
    TString<T>* readUntilAny(const Span* delimiters, u32 count);
    int skipAnyOf(const Span* literals, u32 count);
    bool skipSpan(const Span& literal);
    static std::unique_ptr<Span[]> spansOf(const T* const* list, u32& count);
    static std::unique_ptr<Span[]> spansOf(const Collection<TString<T>>& list, u32& count);

    std::int32_t currentLine;
    std::unique_ptr<T[]> block;
};

extern template class TextReader<char>;
extern template class TextReader<u16>;
extern template class TextReader<u32>;

} // namespace ZUM
