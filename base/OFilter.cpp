#include "base/OFilter.h"

#include "base/Exception.h"

namespace ZUM {

OFilter::OFilter(int widths) : OFlow(false, widths), destination(nullptr), acceptedWidths(widths) {}

bool OFilter::close() {
    if (!isOpen()) return false;
    destination = nullptr;
    open = false;
    return true;
}

bool OFilter::reset() {
    if (!isOpen()) return false;
    if (open) atStart = true;
    return destination->reset();
}

bool OFilter::isReady() const {
    return isOpen() && (destination->unitWidths() & acceptedWidths) != 0 && destination->isReady();
}

bool OFilter::attach(OFlow* newDestination) {
    destination = newDestination;
    open = atStart = newDestination != nullptr;
    return open;
}

void OFilter::flush() {
    if (!destination) ZUM_THROW_IO(IOException::NoDestination);
    destination->flush();
}

template <typename U>
void OFilter::pass(U unit) {
    if (!destination) ZUM_THROW_IO(IOException::NoDestination);
    destination->writeAs<U>(unit);
    atStart = false;
}

template <typename U>
void OFilter::passMany(u32 count, const U* units, u32& written) {
    written = 0;
    if (!destination) ZUM_THROW_IO(IOException::NoDestination);
    destination->writeManyAs<U>(count, units, written);
    atStart = false;
}

void OFilter::write8(u8 unit) {
    pass(unit);
}

void OFilter::write16(u16 unit) {
    pass(unit);
}

void OFilter::write32(u32 unit) {
    pass(unit);
}

void OFilter::write8Many(u32 count, const u8* units, u32& written) {
    passMany(count, units, written);
}

void OFilter::write16Many(u32 count, const u16* units, u32& written) {
    passMany(count, units, written);
}

void OFilter::write32Many(u32 count, const u32* units, u32& written) {
    passMany(count, units, written);
}

template void OFilter::pass(u8);
template void OFilter::pass(u16);
template void OFilter::pass(u32);
template void OFilter::passMany(u32, const u8*, u32&);
template void OFilter::passMany(u32, const u16*, u32&);
template void OFilter::passMany(u32, const u32*, u32&);

} // namespace ZUM
