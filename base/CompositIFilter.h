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
class CompositIFilter : public IFilter {
public:
    CompositIFilter() = default;
    ~CompositIFilter() override;

    int unitWidths() const override; // the front member's, 7 without members
    bool reset() override;           // every member, then the source
    bool isReady() const override;
    u8 read8() override;
    u16 read16() override;
    u32 read32() override;
    void read8Many(u32 count, u8* buffer, u32& got) override;
    void read16Many(u32 count, u16* buffer, u32& got) override;
    void read32Many(u32 count, u32* buffer, u32& got) override;
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
    template <typename U>
    U readThrough();
    template <typename U>
    void readManyThroughFront(u32 count, U* buffer, u32& got);

    LinkList<IFilter> members;
};

} // namespace ZUM
