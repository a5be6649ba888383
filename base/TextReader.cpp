#include "base/TextReader.h"

#include <algorithm>
#include <vector>

#include "base/Exception.h"

namespace ZUM {

namespace {

constexpr int LineFeed = 10;

bool isEndOfInput(const IOException& e) {
    return e.code == IOException::EndOfInput;
}

} // namespace

template <typename T>
TextReader<T>::TextReader(IFlow* source) : currentLine(0), block(new T[BlockSize]) {
    this->attach(source);
}

template <typename T>
bool TextReader<T>::reset() {
    currentLine = 0;
    return PushbackIFilter<T>::reset();
}

// Reads a block from the source onto the push-back stack, first unit on top.
template <typename T>
void TextReader<T>::refill() {
    if (!this->source) ZUM_THROW_IO(IOException::NoSource);
    u32 got = 0;
    try {
        this->source->template readManyAs<T>(BlockSize, reinterpret_cast<FlowUnit<T>*>(block.get()),
                                             got);
    } catch (const IOException& e) {
        if (!isEndOfInput(e)) throw;
    }
    while (got > 0) this->pushPending(block[--got]);
}

template <typename T>
T TextReader<T>::readUnit() {
    if (this->pendingCount() == 0) refill();
    T unit;
    if (!this->popPending(unit)) unit = static_cast<T>(this->source->template readAs<T>());
    if (unit == LineFeed) ++currentLine;
    return unit;
}

template <typename T>
bool TextReader<T>::tryReadUnit(T& unit) {
    try {
        unit = readUnit();
        return true;
    } catch (const IOException& e) {
        if (!isEndOfInput(e)) throw;
        return false;
    }
}

template <typename T>
void TextReader<T>::readUnits(u32 count, T* buffer, u32& got) {
    got = 0;
    while (got < count) buffer[got++] = readUnit();
}

template <typename T>
void TextReader<T>::putBack(T unit) {
    if (!this->source) ZUM_THROW_IO(IOException::NoSource);
    if (unit == LineFeed) --currentLine;
    this->unread(unit);
}

template <typename T>
TString<T>* TextReader<T>::readAll() {
    auto text = std::make_unique<TString<T>>();
    T unit;
    while (tryReadUnit(unit)) text->push(unit);
    return text.release();
}

template <typename T>
TString<T>* TextReader<T>::readLine() {
    auto text = std::make_unique<TString<T>>();
    T unit;
    while (tryReadUnit(unit)) {
        text->push(unit);
        if (unit == LineFeed) return text.release();
    }
    return text->length() ? text.release() : nullptr;
}

template <typename T>
TString<T>* TextReader<T>::readUntilUnit(T delimiter) {
    auto text = std::make_unique<TString<T>>();
    for (T unit = readUnit(); unit != delimiter; unit = readUnit()) text->push(unit);
    return text.release();
}

// Every delimiter keeps its own match index and result; a unit that breaks a
// partial match is appended, not tried as the start of a new match.
template <typename T>
TString<T>* TextReader<T>::readUntilAny(const Span* delimiters, u32 count) {
    if (count == 0) ZUM_THROW_IO(IOException::EmptyDelimiter);
    for (u32 k = 0; k < count; ++k) {
        if (delimiters[k].count == 0) ZUM_THROW_IO(IOException::EmptyDelimiter);
    }
    std::vector<std::unique_ptr<TString<T>>> texts(count);
    std::vector<u32> matched(count, 0);
    for (auto& text : texts) text = std::make_unique<TString<T>>();
    for (;;) {
        const T unit = readUnit();
        for (u32 k = 0; k < count; ++k) {
            const Span& d = delimiters[k];
            if (unit == d.units[matched[k]]) {
                if (++matched[k] == d.count) return texts[k].release();
            } else {
                texts[k]->append(d.units, matched[k]);
                texts[k]->push(unit);
                matched[k] = 0;
            }
        }
    }
}

template <typename T>
TString<T>* TextReader<T>::readUntil(const T* delimiter, u32 count) {
    const Span span{delimiter, count};
    return readUntilAny(&span, 1);
}

template <typename T>
TString<T>* TextReader<T>::readUntil(const T* delimiter) {
    return readUntil(delimiter, TString<T>::terminatedLength(delimiter));
}

template <typename T>
TString<T>* TextReader<T>::readUntil(const TStringPtr<T>& delimiter) {
    return readUntil(delimiter.data(), delimiter.viewLength());
}

template <typename T>
std::unique_ptr<typename TextReader<T>::Span[]> TextReader<T>::spansOf(const T* const* list,
                                                                       u32& count) {
    count = 0;
    while (list && list[count]) ++count;
    std::unique_ptr<Span[]> spans(new Span[count]);
    for (u32 k = 0; k < count; ++k) spans[k] = {list[k], TString<T>::terminatedLength(list[k])};
    return spans;
}

template <typename T>
std::unique_ptr<typename TextReader<T>::Span[]>
TextReader<T>::spansOf(const Collection<TString<T>>& list, u32& count) {
    count = static_cast<u32>(list.count());
    std::unique_ptr<Span[]> spans(new Span[count]);
    std::unique_ptr<Iterator<TString<T>>> it(list.iterator());
    u32 k = 0;
    for (TString<T>* s = it->next(); s && k < count; s = it->next())
        spans[k++] = {s->data(), s->length()};
    count = k;
    return spans;
}

template <typename T>
TString<T>* TextReader<T>::readUntilOneOf(const T* const* delimiters) {
    u32 count;
    auto spans = spansOf(delimiters, count);
    return readUntilAny(spans.get(), count);
}

template <typename T>
TString<T>* TextReader<T>::readUntilOneOf(const Collection<TString<T>>& delimiters) {
    u32 count;
    auto spans = spansOf(delimiters, count);
    return readUntilAny(spans.get(), count);
}

// All literals advance on the same units; the first to complete is consumed.
// When none can complete, everything read is put back, so the input is as
// before. The end of input counts as a mismatch. Empty literals never match.
template <typename T>
int TextReader<T>::skipAnyOf(const Span* literals, u32 count) {
    std::vector<bool> live(count);
    u32 liveCount = 0;
    for (u32 k = 0; k < count; ++k) {
        live[k] = literals[k].count > 0;
        liveCount += live[k];
    }
    TString<T> consumed;
    T unit;
    while (liveCount > 0 && tryReadUnit(unit)) {
        const u32 i = consumed.length();
        consumed.push(unit);
        for (u32 k = 0; k < count; ++k) {
            if (!live[k]) continue;
            if (literals[k].units[i] != unit) {
                live[k] = false;
                --liveCount;
            } else if (i + 1 == literals[k].count) {
                return static_cast<int>(k + 1);
            }
        }
    }
    for (u32 i = consumed.length(); i > 0; --i) putBack(consumed[i - 1]);
    return 0;
}

template <typename T>
bool TextReader<T>::skipSpan(const Span& literal) {
    return skipAnyOf(&literal, 1) == 1;
}

template <typename T>
bool TextReader<T>::skipLiteral(const T* literal) {
    return skipSpan({literal, TString<T>::terminatedLength(literal)});
}

template <typename T>
bool TextReader<T>::skipLiteral(const TStringPtr<T>& literal) {
    return skipSpan({literal.data(), literal.viewLength()});
}

template <typename T>
int TextReader<T>::skipAny(const T* const* literals) {
    u32 count;
    auto spans = spansOf(literals, count);
    return skipAnyOf(spans.get(), count);
}

template <typename T>
int TextReader<T>::skipAny(const Collection<TString<T>>& literals) {
    u32 count;
    auto spans = spansOf(literals, count);
    return skipAnyOf(spans.get(), count);
}

template <typename T>
bool TextReader<T>::skipUnit(T expected) {
    const T unit = readUnit();
    if (unit == expected) return true;
    putBack(unit);
    return false;
}

template <typename T>
TString<T>* TextReader<T>::readRun(T expected) {
    return readWhileIn(&expected, 1);
}

template <typename T>
TString<T>* TextReader<T>::readWhileIn(const T* set, u32 count) {
    auto text = std::make_unique<TString<T>>();
    T unit;
    while (tryReadUnit(unit)) {
        if (std::find(set, set + count, unit) == set + count) {
            putBack(unit);
            break;
        }
        text->push(unit);
    }
    return text.release();
}

template <typename T>
TString<T>* TextReader<T>::readWhileIn(const TStringPtr<T>& set) {
    return readWhileIn(set.data(), set.viewLength());
}

template <typename T>
TString<T>* TextReader<T>::readWhileIn(const T* set) {
    return readWhileIn(set, TString<T>::terminatedLength(set));
}

template class TextReader<char>;
template class TextReader<u16>;
template class TextReader<u32>;

} // namespace ZUM
