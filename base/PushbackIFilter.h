#pragma once

#include <memory>

#include "base/TIFilter.h"

namespace ZUM {

// A typed input filter with a push-back stack: units given back with `unread`
// are delivered, last given first, before the source is read again. Converters
// keep the second and later units of one character here; the stack starts with
// room for 16 units and doubles when full, so the common case never allocates.
template <typename T>
class PushbackIFilter : public UnitReads<PushbackIFilter<T>, TIFilter<T>> {
public:
    PushbackIFilter();

    bool reset() override; // discards the pending units

    // The read of width T through this filter (so a converter's own).
    virtual T readUnit();
    virtual void readUnits(u32 wanted, T* units, u32& got);
    virtual void unread(T unit);

    u32 pendingCount() const { return count; }
    u32 pendingCapacity() const { return capacity; }

protected:
    // The allocation-free paths for converters.
    bool popPending(T& unit) {
        if (count == 0) return false;
        unit = buffer[--count];
        return true;
    }
    void pushPending(T unit) {
        if (count == capacity) grow();
        buffer[count++] = unit;
    }

private:
    friend UnitReads<PushbackIFilter, TIFilter<T>>;
    // The read of width T serves a pending unit first; the pending units are
    // not a transfer from the source, so they leave the at-start flag alone.
    // The other two widths raise IOException 5.
    template <typename U>
    U readOne();
    void grow();

    std::unique_ptr<T[]> buffer;
    u32 capacity;
    u32 count;
};

extern template class UnitReads<PushbackIFilter<char>, TIFilter<char>>;
extern template class UnitReads<PushbackIFilter<u16>, TIFilter<u16>>;
extern template class UnitReads<PushbackIFilter<u32>, TIFilter<u32>>;
extern template class PushbackIFilter<char>;
extern template class PushbackIFilter<u16>;
extern template class PushbackIFilter<u32>;

} // namespace ZUM
