#include "base/CompositIFilter.h"

#include <gtest/gtest.h>

#include <memory>

#include "base/StringIFlow.h"
#include "base/TIFilter.h"
#include "base/UInt16SwapEndianIFilter.h"
#include "tests/IOExpect.h"

using namespace ZUM;

namespace {

// Counts the live instances, so a test can see who deletes them.
class CountedFilter : public IFilter {
public:
    CountedFilter() { ++alive; }
    ~CountedFilter() override { --alive; }
    static inline int alive = 0;
};

class PlusOne : public TIFilter<u16> {
public:
    u16 read16() override { return static_cast<u16>(TIFilter<u16>::read16() + 1); }
};

Utf16String units16(std::initializer_list<u16> list) {
    return Utf16String(list.begin(), static_cast<u32>(list.size()));
}

} // namespace

TEST(CompositIFilter, WithoutMembersPassesThrough) {
    CompositIFilter chain;
    EXPECT_IO_ERROR(chain.read16(), IOException::NoSource, "base/CompositIFilter");
    EXPECT_FALSE(chain.isReady());
    Utf16String text(u"ab");
    StringIFlow<u16> source(&text);
    EXPECT_FALSE(chain.attach(&source)); // no member took the source
    EXPECT_TRUE(chain.isOpen());
    EXPECT_EQ(chain.unitWidths(), WidthAny);
    EXPECT_EQ(chain.acceptedUnitWidths(), WidthAny);
    EXPECT_EQ(chain.compatibleUnitWidths(), Width16);
    EXPECT_TRUE(chain.isReady());
    EXPECT_EQ(chain.read16(), u'a');
    EXPECT_FALSE(chain.isAtStart());
    EXPECT_EQ(chain.read16(), u'b');
    EXPECT_IO_ERROR(chain.read16(), IOException::EndOfInput, "base/StringIFlow");
}

TEST(CompositIFilter, MembersApplyFromTheSourceOutwards) {
    Utf16String text = units16({0x0200, 0x0500, 0x0700});
    StringIFlow<u16> source(&text);
    CompositIFilter chain;
    chain.add(new UInt16SwapEndianIFilter); // nearest the source
    EXPECT_TRUE(chain.attach(&source));
    EXPECT_TRUE(chain.isAtStart());
    EXPECT_EQ(chain.read16(), 0x0002);
    chain.add(new PlusOne); // reads from the swapper at once
    EXPECT_EQ(chain.read16(), 0x0006);
    EXPECT_EQ(chain.unitWidths(), Width16);
    EXPECT_EQ(chain.acceptedUnitWidths(), Width16);
    EXPECT_TRUE(chain.isReady());

    EXPECT_TRUE(chain.reset());
    EXPECT_TRUE(chain.isAtStart());
    u16 units[4] = {};
    u32 got = 0;
    chain.read16Many(4, units, got); // through the members, not around them
    EXPECT_EQ(got, 3u);
    EXPECT_EQ(units[0], 0x0003);
    EXPECT_EQ(units[2], 0x0008);

    EXPECT_TRUE(chain.close()); // the members keep their own sources
    EXPECT_IO_ERROR(chain.read16(), IOException::NoSource, "base/CompositIFilter");
    EXPECT_FALSE(chain.reset());
}

TEST(CompositIFilter, OwnsItsMembersButNotItsSource) {
    Utf16String text(u"xyz");
    StringIFlow<u16> source(&text);
    auto chain = std::make_unique<CompositIFilter>();
    chain->attach(&source);
    chain->add(new CountedFilter);
    chain->add(new CountedFilter);
    EXPECT_EQ(CountedFilter::alive, 2);
    EXPECT_EQ(chain->read16(), u'x');

    chain->clear();
    EXPECT_EQ(CountedFilter::alive, 0);
    EXPECT_EQ(chain->read16(), u'y'); // straight from the source again
    chain->add(new CountedFilter);
    chain->add(nullptr);
    EXPECT_EQ(CountedFilter::alive, 1);
    chain = nullptr;
    EXPECT_EQ(CountedFilter::alive, 0);
    EXPECT_EQ(source.read16(), u'z');
}
