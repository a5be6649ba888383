#pragma once

#include <cstring>

#include "encoding/Converter.h"

namespace ZUM {

// Drops a byte-order mark (one or more units) at the start of the stream and
// passes every other unit through. A stream that begins with only part of the
// mark keeps those units, in order.
template <typename T, u32... Mark>
class MarkRemover : public Converter<MarkRemover<T, Mark...>, T, T, 1> {
    friend typename MarkRemover::Frame;

    // Past the start every unit passes as it is.
    u32 convertRun(const T*& from, const T* limit, T* to, u32 room) {
        const u32 n = std::min(static_cast<u32>(limit - from), room);
        std::memcpy(to, from, n * sizeof(T));
        from += n;
        return n;
    }

    T produce() {
        if (!this->atStart) return this->take();
        constexpr T mark[] = {T(Mark)...};
        T unit = this->take();
        for (std::size_t i = 0; i < sizeof...(Mark); ++i) {
            if (unit != mark[i]) return keepPartOfMark(i, unit);
            if (i + 1 < sizeof...(Mark)) unit = this->take();
        }
        T pending;
        return this->popPendingUnit(pending) ? pending : this->take();
    }

    // The first `matched` units of the mark came before `unit`.
    T keepPartOfMark(std::size_t matched, T unit) {
        constexpr T mark[] = {T(Mark)...};
        if (matched == 0) return unit;
        this->give(unit);
        for (std::size_t i = matched - 1; i > 0; --i) this->give(mark[i]);
        return mark[0];
    }
};

using FromUtf16LeToUtf16N = MarkRemover<u16, 0xFEFF>;
using FromUtf16LeBomToUtf16Le = MarkRemover<u16, 0xFEFF>;
using FromUcs2ToUtf16N = MarkRemover<u16, 0xFEFF>;
using FromUtf16BeBomToUtf16Be = MarkRemover<u16, 0xFFFE>;
using FromUtf32LeBomToUtf32Le = MarkRemover<u32, 0x0000FEFF>;
using FromUtf32BeBomToUtf32Be = MarkRemover<u32, 0xFFFE0000>;
using FromUtf8ToUtf8N = MarkRemover<u8, 0xEF, 0xBB, 0xBF>;

} // namespace ZUM
