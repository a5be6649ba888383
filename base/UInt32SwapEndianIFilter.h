#pragma once

#include "base/IFilter.h"

namespace ZUM {

// Delivers every 32-bit unit of its source with its four bytes reversed.
class UInt32SwapEndianIFilter : public IFilter {
public:
    UInt32SwapEndianIFilter() : IFilter(Width32) {}

    u32 read32() override;
};

} // namespace ZUM
