#pragma once

#include "encoding/SwappingConverter.h"

namespace ZUM {

// Reads a stream in either byte order: a leading mark chooses the order and is
// dropped; without one the stream is native. Units are delivered in native
// order.
template <typename T>
class MarkDirectedReader : public Converter<MarkDirectedReader<T>, T, T, 1> {
    friend typename MarkDirectedReader::Frame;

    static constexpr T Mark = 0xFEFF;

    T produce() {
        if (this->atStart) {
            T unit = this->take();
            // Each stream decides afresh, so a reader reused after reset or
            // attach never carries the order of the previous stream over.
            swap = unit == byteSwapped(Mark);
            if (unit == Mark || swap) unit = this->take();
            return swap ? byteSwapped(unit) : unit;
        }
        const T unit = this->take();
        return swap ? byteSwapped(unit) : unit;
    }

    bool swap = false;
};

using FromUtf16ToUtf16N = MarkDirectedReader<u16>;
using FromUtf32ToUtf32N = MarkDirectedReader<u32>;

} // namespace ZUM
