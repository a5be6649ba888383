#include "base/IFilter.h"

#include "base/Exception.h"

namespace ZUM {

IFilter::IFilter(int widths) : IFlow(false, widths), source(nullptr), acceptedWidths(widths) {}

bool IFilter::close() {
    if (!isOpen()) return false;
    source = nullptr;
    open = false;
    return true;
}

bool IFilter::reset() {
    if (!isOpen()) return false;
    if (open) atStart = true;
    return source->reset();
}

bool IFilter::isReady() const {
    return compatibleUnitWidths() != 0 && source && source->isReady();
}

bool IFilter::attach(IFlow* newSource) {
    source = newSource;
    open = newSource != nullptr;
    atStart = true;
    return open;
}

int IFilter::compatibleUnitWidths() const {
    if (!isOpen()) return 0;
    return source->unitWidths() & acceptedUnitWidths();
}

// The per-unit paths test the source pointer itself rather than the virtual
// isOpen: the same answer without a call.
template <typename U>
U IFilter::pass() {
    if (!source) ZUM_THROW_IO(IOException::NoSource);
    const U unit = source->readAs<U>();
    atStart = false;
    return unit;
}

template <typename U>
void IFilter::readManyThrough(u32 count, U* buffer, u32& got) {
    got = 0;
    if (!source) ZUM_THROW_IO(IOException::NoSource);
    readManyByUnits(count, buffer, got);
}

u8 IFilter::read8() {
    return pass<u8>();
}

u16 IFilter::read16() {
    return pass<u16>();
}

u32 IFilter::read32() {
    return pass<u32>();
}

void IFilter::read8Many(u32 count, u8* buffer, u32& got) {
    readManyThrough(count, buffer, got);
}

void IFilter::read16Many(u32 count, u16* buffer, u32& got) {
    readManyThrough(count, buffer, got);
}

void IFilter::read32Many(u32 count, u32* buffer, u32& got) {
    readManyThrough(count, buffer, got);
}

template void IFilter::readManyThrough(u32, u8*, u32&);
template void IFilter::readManyThrough(u32, u16*, u32&);
template void IFilter::readManyThrough(u32, u32*, u32&);

} // namespace ZUM
