#pragma once

#include <cstdint>

#include "base/IFilter.h"

namespace ZUM {

// One converter class: the encoding ids it reads and writes, whether it drops
// or replaces characters it cannot represent, and a factory for a new,
// unattached instance (the caller owns it).
struct ConverterTableRow {
    std::int32_t from;
    std::int32_t to;
    bool lossy;
    IFilter* (*create)();
};

constexpr int ConverterCount = 113;

// The converters by number, the steps of every route.
extern const ConverterTableRow converterTable[ConverterCount];

} // namespace ZUM
