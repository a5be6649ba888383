#include "base/Conveyer.h"

#include <optional>

#include "base/Exception.h"

namespace ZUM {

namespace {
constexpr u32 BlockBytes = 8192;
}

void Conveyer::requireBoth() const {
    if (!source) ZUM_THROW_IO(IOException::NoSource);
    if (!destination) ZUM_THROW_IO(IOException::NoDestination);
}

template <typename U>
void Conveyer::move() {
    U block[BlockBytes / sizeof(U)];
    for (;;) {
        u32 got = 0;
        std::optional<IOException> failure;
        try {
            source->readManyAs<U>(BlockBytes / sizeof(U), block, got);
        } catch (const IOException& e) {
            failure = e;
        }
        u32 written = 0;
        if (got > 0) destination->writeManyAs<U>(got, block, written);
        if (failure && failure->code != IOException::EndOfInput) throw *failure;
        if (failure || got == 0) break;
    }
    destination->flush();
}

void Conveyer::pump() {
    requireBoth();
    const int common = source->unitWidths() & destination->unitWidths();
    if (common & Width8) {
        move<u8>();
    } else if (common & Width16) {
        move<u16>();
    } else if (common & Width32) {
        move<u32>();
    } else {
        ZUM_THROW_IO(IOException::NoCommonWidth);
    }
}

void Conveyer::pumpBytes() {
    requireBoth();
    if (!(source->unitWidths() & destination->unitWidths() & Width8)) {
        ZUM_THROW_IO(IOException::NoCommonWidth);
    }
    move<u8>();
}

} // namespace ZUM
