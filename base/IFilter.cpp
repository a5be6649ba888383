#include "base/IFilter.h"

#include "base/Exception.h"

namespace ZUM {

IFilter::IFilter(int widths) : UnitReads(false, widths), source(nullptr), acceptedWidths(widths) {}

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
U IFilter::readOne() {
    if (!source) ZUM_THROW_IO(IOException::NoSource);
    const U unit = source->readAs<U>();
    atStart = false;
    return unit;
}

template <typename U>
void IFilter::readMany(u32 count, U* buffer, u32& got) {
    if (!source) ZUM_THROW_IO(IOException::NoSource);
    readManyByUnits(count, buffer, got);
}

template void IFilter::readMany(u32, u8*, u32&);
template void IFilter::readMany(u32, u16*, u32&);
template void IFilter::readMany(u32, u32*, u32&);
template class UnitReads<IFilter>;

} // namespace ZUM
