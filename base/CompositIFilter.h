#pragma once

#include "base/IFilter.h"
#include "base/LinkList.h"

namespace ZUM {

// A chain of input filters that reads like one. Members are kept outermost
// first: the front member is the one read from, the back member reads from the
// composite's source. The composite owns its members, not its source.
//
// close, isOpen and compatibleUnitWidths are those of IFilter; close detaches
// only the composite's own source. The many-unit reads go to the front member,
// whose own many-unit read keeps the meaning of repeated single reads.
class CompositIFilter : public UnitReads<CompositIFilter, IFilter> {
public:
    CompositIFilter() = default;
    ~CompositIFilter() override;

    int unitWidths() const override; // the front member's, 7 without members
    bool reset() override;           // every member, then the source
    bool isReady() const override;
    bool attach(IFlow* source) override; // the back member's answer; false without members
    int acceptedUnitWidths() const override;
    // The sum of the members', each counted since its own attach or reset:
    // reset() starts them all afresh, attach() only the back member.
    u64 losses() const override;

    // Takes `filter` as the new front member, reading from the old front member
    // (or from the source) at once; it may be added before or after attach.
    virtual void add(IFilter* filter);
    // Deletes every member.
    virtual void clear();

    // The members, front (outermost) first.
    const LinkList<IFilter>& filters() const { return members; }

private:
    friend UnitReads;
    template <typename U>
    U readOne();
    template <typename U>
    void readMany(u32 count, U* buffer, u32& got);

    LinkList<IFilter> members;
};

extern template class UnitReads<CompositIFilter, IFilter>;

} // namespace ZUM
