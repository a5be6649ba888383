#pragma once

#include <cstdint>

#include "base/Object.h"

namespace ZUM {

template <typename T>
class TString;

// One typed argument of a formatter: a plain 16-byte record, so the formatter can
// check each conversion against the kind of argument it was given.
template <typename T>
class FmtArg : public Object {
public:
    enum Kind : std::int32_t {
        Pointer = 0,
        SignedChar = 1,
        UnsignedChar = 2,
        Short = 3,
        UnsignedShort = 4,
        Int = 5,
        Unsigned = 6,
        Long = 7,
        UnsignedLong = 8,
        Terminated = 9, // const T*, zero-terminated
        String = 10,    // const TString<T>*
        Double = 11,
        Float = 12,
        IntPointer = 13,
    };

    std::int32_t kind;
    union Value {
        const void* pointer;
        const T* terminated;
        const TString<T>* string;
        int* intPointer;
        long longValue;
        unsigned long unsignedLongValue;
        int intValue;
        unsigned unsignedValue;
        double doubleValue;
        float floatValue;
    } value;

    FmtArg(std::int32_t kind, Value value) : kind(kind), value(value) {}
};

} // namespace ZUM
