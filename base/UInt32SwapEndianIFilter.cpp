#include "base/UInt32SwapEndianIFilter.h"

#include "base/Exception.h"

namespace ZUM {

u32 UInt32SwapEndianIFilter::read32() {
    if (!source) ZUM_THROW_IO(IOException::NoSource);
    const u32 unit = source->read32();
    atStart = false;
    return (unit >> 24) | ((unit >> 8) & 0xFF00u) | ((unit << 8) & 0xFF0000u) | (unit << 24);
}

} // namespace ZUM
