#pragma once

#include <cstdint>

#include "base/Object.h"

namespace ZUM {

// The route from one encoding to another: converter numbers in chain order,
// the first next to the source, ended by -1.
struct IFilterDictionaryEntry : public Object {
    static constexpr int MaxSteps = 8;

    std::int32_t steps[MaxSteps + 1];
    std::int32_t from;
    std::int32_t to;
    std::int32_t lossy; // -1 when any step is lossy, else 0
    std::int32_t key;   // keyOf(from, to)

    static constexpr std::int32_t keyOf(std::int32_t from, std::int32_t to) {
        return from * 65536 + to;
    }
};

} // namespace ZUM
