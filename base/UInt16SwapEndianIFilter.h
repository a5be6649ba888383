#pragma once

#include "base/IFilter.h"

namespace ZUM {

// Delivers every 16-bit unit of its source with its two bytes exchanged.
class UInt16SwapEndianIFilter : public IFilter {
public:
    UInt16SwapEndianIFilter() : IFilter(Width16) {}

    u16 read16() override;
};

} // namespace ZUM
