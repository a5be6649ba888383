#include "base/OFilter.h"

#include "base/Exception.h"

namespace ZUM {

OFilter::OFilter(int widths) : UnitWrites(false, widths), destination(nullptr), acceptedWidths(widths) {}

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
void OFilter::writeOne(U unit) {
    if (!destination) ZUM_THROW_IO(IOException::NoDestination);
    destination->writeAs<U>(unit);
    atStart = false;
}

template <typename U>
void OFilter::writeMany(u32 count, const U* units, u32& written) {
    if (!destination) ZUM_THROW_IO(IOException::NoDestination);
    destination->writeManyAs<U>(count, units, written);
    atStart = false;
}

template void OFilter::writeOne(u8);
template void OFilter::writeOne(u16);
template void OFilter::writeOne(u32);
template void OFilter::writeMany(u32, const u8*, u32&);
template void OFilter::writeMany(u32, const u16*, u32&);
template void OFilter::writeMany(u32, const u32*, u32&);
template class UnitWrites<OFilter>;

} // namespace ZUM
