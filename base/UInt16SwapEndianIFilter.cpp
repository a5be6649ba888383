#include "base/UInt16SwapEndianIFilter.h"

#include "base/Exception.h"

namespace ZUM {

u16 UInt16SwapEndianIFilter::read16() {
    if (!source) ZUM_THROW_IO(IOException::NoSource);
    const u16 unit = source->read16();
    atStart = false;
    return static_cast<u16>((unit >> 8) | (unit << 8));
}

} // namespace ZUM
