#pragma once

#include "base/FmtArg.h"
#include "base/LinkList.h"
#include "base/TString.h"

namespace ZUM {

// printf-style formatting over units T. Arguments are first collected as typed
// records; each conversion checks the kind of the record it takes, and a
// directive may name its argument by position ("%{2}d").
template <typename T>
class Formatter : public Object {
public:
    Formatter() = default;
    explicit Formatter(const T* pattern) : pattern(pattern) {}
    Formatter(const Formatter&) = delete;
    Formatter& operator=(const Formatter&) = delete;
    // Frees the pattern and the list cells; arguments still held are not deleted.
    virtual ~Formatter() = default;

    // Formats the pattern into a new string the caller owns. With `reset`, the
    // pattern is emptied and the arguments are deleted afterwards, also when the
    // formatting fails, so a failed call leaves no stale arguments behind.
    virtual TString<T>* format(bool reset);

    void setPattern(const TStringPtr<T>& text) { pattern.assign(text); }
    void addArgument(std::int32_t kind, typename FmtArg<T>::Value value);
    void addInt(int v) { addArgument(FmtArg<T>::Int, {.intValue = v}); }
    void addUnsigned(unsigned v) { addArgument(FmtArg<T>::Unsigned, {.unsignedValue = v}); }
    void addLong(long v) { addArgument(FmtArg<T>::Long, {.longValue = v}); }
    void addUnsignedLong(unsigned long v) {
        addArgument(FmtArg<T>::UnsignedLong, {.unsignedLongValue = v});
    }
    void addDouble(double v) { addArgument(FmtArg<T>::Double, {.doubleValue = v}); }
    void addFloat(float v) { addArgument(FmtArg<T>::Float, {.floatValue = v}); }
    void addTerminated(const T* v) { addArgument(FmtArg<T>::Terminated, {.terminated = v}); }
    void addString(const TString<T>* v) { addArgument(FmtArg<T>::String, {.string = v}); }
    void addPointer(const void* v) { addArgument(FmtArg<T>::Pointer, {.pointer = v}); }
    void addIntPointer(int* v) { addArgument(FmtArg<T>::IntPointer, {.intPointer = v}); }
    // Kinds 1 to 4: characters and shorts, kept in the int slot.
    void addSmall(std::int32_t kind, int v) { addArgument(kind, {.intValue = v}); }

    void discardArguments();

protected:
    TString<T> pattern;
    LinkList<FmtArg<T>> arguments;
};

extern template class Formatter<char>;
extern template class Formatter<u16>;
extern template class Formatter<u32>;

} // namespace ZUM
