#pragma once

#include <type_traits>

#include "base/UInt16SwapEndianIFilter.h"
#include "base/UInt32SwapEndianIFilter.h"
#include "encoding/Converter.h"

namespace ZUM {

template <typename T>
constexpr T byteSwapped(T unit) {
    if constexpr (sizeof(T) == 2) {
        return static_cast<T>(unit >> 8 | unit << 8);
    } else {
        return (unit >> 24) | (unit >> 8 & 0xFF00) | (unit << 8 & 0xFF0000) | (unit << 24);
    }
}

template <typename T>
using SwapEndianIFilter =
    std::conditional_t<sizeof(T) == 2, UInt16SwapEndianIFilter, UInt32SwapEndianIFilter>;

// The byte-order swapper of T's width between native order and the other;
// DropsMark drops a leading mark, which reads as 0xFFFE in the other order.
template <typename T, bool DropsMark>
class SwappingConverter
    : public Converter<SwappingConverter<T, DropsMark>, T, T, 1, SwapEndianIFilter<T>> {
    friend typename SwappingConverter::Frame;

    T produce() {
        const bool first = DropsMark && this->atStart;
        T unit = this->take();
        if (first && unit == 0xFFFE) unit = this->take();
        return byteSwapped(unit);
    }
};

using FromUcs2ToUcs2Be = SwappingConverter<u16, false>;
using FromUcs2BeToUcs2 = SwappingConverter<u16, false>;
using FromUtf16NToUtf16Be = SwappingConverter<u16, false>;
using FromUtf16BeToUtf16N = SwappingConverter<u16, true>;
using FromUcs4ToUcs4Be = SwappingConverter<u32, false>;
using FromUcs4BeToUcs4 = SwappingConverter<u32, false>;
using FromUtf32NToUtf32Be = SwappingConverter<u32, false>;
using FromUtf32BeToUtf32N = SwappingConverter<u32, false>;

} // namespace ZUM
