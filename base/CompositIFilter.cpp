#include "base/CompositIFilter.h"

#include <memory>

#include "base/Exception.h"

namespace ZUM {

CompositIFilter::~CompositIFilter() {
    clear();
}

int CompositIFilter::unitWidths() const {
    const IFilter* front = members.first();
    return front ? front->unitWidths() : IFilter::unitWidths();
}

int CompositIFilter::acceptedUnitWidths() const {
    const IFilter* back = members.last();
    return back ? back->acceptedUnitWidths() : IFilter::acceptedUnitWidths();
}

// Every member is reset even after one refuses, so the whole chain drops its
// pending state.
bool CompositIFilter::reset() {
    if (!isOpen()) return false;
    if (open) atStart = true;
    bool allReset = true;
    std::unique_ptr<Iterator<IFilter>> member(members.iterator());
    while (IFilter* filter = member->next()) allReset = filter->reset() && allReset;
    return source->reset() && allReset;
}

u64 CompositIFilter::losses() const {
    u64 sum = 0;
    std::unique_ptr<Iterator<IFilter>> member(members.iterator());
    while (IFilter* filter = member->next()) sum += filter->losses();
    return sum;
}

bool CompositIFilter::isReady() const {
    if (!isOpen()) return false;
    const IFilter* front = members.first();
    return front ? front->isReady() : IFilter::isReady();
}

template <typename U>
U CompositIFilter::readOne() {
    if (!source) ZUM_THROW_IO(IOException::NoSource);
    IFlow* front = members.first();
    const U unit = (front ? front : source)->readAs<U>();
    atStart = false;
    return unit;
}

template <typename U>
void CompositIFilter::readMany(u32 count, U* buffer, u32& got) {
    if (!source) ZUM_THROW_IO(IOException::NoSource);
    IFlow* front = members.first();
    (front ? front : source)->readManyAs<U>(count, buffer, got);
    if (got > 0) atStart = false;
}

bool CompositIFilter::attach(IFlow* newSource) {
    IFilter::attach(newSource);
    IFilter* back = members.last();
    return back && back->attach(newSource);
}

void CompositIFilter::add(IFilter* filter) {
    if (!filter) return;
    std::unique_ptr<IFilter> owned(filter);
    IFilter* front = members.first();
    filter->attach(front ? front : source);
    members.prepend(filter);
    owned.release();
}

void CompositIFilter::clear() {
    while (IFilter* filter = members.removeFirst()) delete filter;
}

template class UnitReads<CompositIFilter, IFilter>;

} // namespace ZUM
