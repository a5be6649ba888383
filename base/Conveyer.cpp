#include "base/Conveyer.h"

#include "base/Exception.h"

namespace ZUM {

void Conveyer::requireBoth() const {
    if (!source) ZUM_THROW_IO(IOException::NoSource);
    if (!destination) ZUM_THROW_IO(IOException::NoDestination);
}

template <typename U>
void Conveyer::move() {
    try {
        for (;;) destination->writeAs<U>(source->readAs<U>());
    } catch (const IOException& e) {
        if (e.code != IOException::EndOfInput) throw;
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
