#pragma once

#include "encoding/Converter.h"

namespace ZUM {

// Delivers a byte-order mark (one or more units) on the first read after
// attach or reset, without reading the source, then passes units through.
template <typename T, u32 First, u32... Rest>
class MarkEmitter : public Converter<MarkEmitter<T, First, Rest...>, T, T, 1> {
    friend typename MarkEmitter::Frame;

    T produce() {
        if (!this->atStart) return this->take();
        this->atStart = false;
        constexpr T rest[] = {T(Rest)..., T(0)};
        for (std::size_t i = sizeof...(Rest); i > 0; --i) this->give(rest[i - 1]);
        return T(First);
    }
};

// Marks as the units read in native (little-endian) order: a big-endian mark
// reads as 0xFFFE.
using FromUtf16NToUtf16 = MarkEmitter<u16, 0xFEFF>;
using FromUtf16LeToUtf16LeBom = MarkEmitter<u16, 0xFEFF>;
using FromUtf16BeToUtf16BeBom = MarkEmitter<u16, 0xFFFE>;
using FromUtf32NToUtf32 = MarkEmitter<u32, 0x0000FEFF>;
using FromUtf32LeToUtf32LeBom = MarkEmitter<u32, 0x0000FEFF>;
using FromUtf32BeToUtf32BeBom = MarkEmitter<u32, 0xFFFE0000>;
using FromUtf8NToUtf8 = MarkEmitter<u8, 0xEF, 0xBB, 0xBF>;

} // namespace ZUM
