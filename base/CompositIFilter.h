#pragma once

#include "base/IFilter.h"
#include "base/LinkList.h"

namespace ZUM {

// A chain of input filters that reads like one. Members are kept outermost
// first: the front member is the one read from, the back member reads from the
// composite's source. The composite owns its members, not its source.
//
// close, isOpen, compatibleUnitWidths and the many-unit reads are those of
// IFilter; the many-unit reads therefore go through the members like every
// other read. close detaches only the composite's own source.
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
    bool attach(IFlow* source) override; // the back member's answer; false without members
    int acceptedUnitWidths() const override;

    // Takes `filter` as the new front member, reading from the old front member
    // (or from the source) at once; it may be added before or after attach.
    virtual void add(IFilter* filter);
    // Deletes every member.
    virtual void clear();

private:
    template <typename U>
    U readThrough();

    LinkList<IFilter> members;
};

} // namespace ZUM
