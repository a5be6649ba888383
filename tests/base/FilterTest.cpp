#include "base/CompositIFilter.h"
#include "base/FixedMemIFlow.h"
#include "base/IFilter.h"
#include "base/PushbackIFilter.h"
#include "base/StringIFlow.h"
#include "base/StringOFlow.h"
#include "base/TIFilter.h"
#include "base/TOFilter.h"
#include "base/UInt16SwapEndianIFilter.h"
#include "base/UInt32SwapEndianIFilter.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/IOExpect.h"

using namespace ZUM;

namespace {

// A converter in miniature: every source unit u becomes u, u + 1, delivered
// through the push-back stack as real converters do.
class Doubler : public PushbackIFilter<u16> {
public:
    u16 read16() override {
        u16 unit;
        if (popPending(unit)) return unit;
        unit = PushbackIFilter<u16>::read16();
        pushPending(static_cast<u16>(unit + 1));
        return unit;
    }
};

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

TEST(IFilter, DetachedFiltersRefuseReadsWithTheirOwnTag) {
    IFilter plain;
    PushbackIFilter<char> pushback;
    UInt16SwapEndianIFilter swap16;
    UInt32SwapEndianIFilter swap32;
    u8 bytes[1];
    u32 got = 3;
    EXPECT_IO_ERROR(plain.read32(), IOException::NoSource, "base/IFilter");
    EXPECT_IO_ERROR(plain.read8Many(1, bytes, got), IOException::NoSource, "base/IFilter");
    EXPECT_EQ(got, 0u);
    EXPECT_IO_ERROR(pushback.read8(), IOException::NoSource, "base/PushbackIFilter");
    EXPECT_IO_ERROR(swap16.read16(), IOException::NoSource, "base/UInt16SwapEndianIFilter");
    EXPECT_IO_ERROR(swap32.read32(), IOException::NoSource, "base/UInt32SwapEndianIFilter");
    EXPECT_FALSE(plain.isAtStart());
    EXPECT_FALSE(plain.reset());
}

TEST(IFilter, AttachPassesUnitsAndTracksTheStart) {
    const u8 bytes[] = {1, 2, 3, 4, 5};
    FixedMemIFlow source(bytes, sizeof bytes);
    IFilter filter;
    EXPECT_FALSE(filter.attach(nullptr));
    EXPECT_TRUE(filter.attach(&source));
    EXPECT_TRUE(filter.isAtStart());
    EXPECT_EQ(filter.compatibleUnitWidths(), WidthAny);
    EXPECT_EQ(filter.read16(), 0x0201);
    EXPECT_FALSE(filter.isAtStart());

    EXPECT_TRUE(filter.reset()); // rewinds the source as well
    EXPECT_TRUE(filter.isAtStart());
    u8 buffer[8] = {};
    u32 got = 0;
    filter.read8Many(8, buffer, got); // stops quietly at the end
    EXPECT_EQ(got, 5u);
    EXPECT_EQ(buffer[4], 5);
    EXPECT_IO_ERROR(filter.read8(), IOException::EndOfInput, "base/FixedMemIFlow");

    EXPECT_TRUE(filter.close());
    EXPECT_FALSE(filter.close());
    EXPECT_TRUE(source.isOpen()); // the source is not the filter's
}

TEST(IFilter, TypedFiltersAgreeOnWidths) {
    Utf16String text(u"ab");
    StringIFlow<u16> source(&text);
    TIFilter<char> narrow;
    narrow.attach(&source);
    EXPECT_EQ(narrow.compatibleUnitWidths(), 0);
    EXPECT_FALSE(narrow.isReady());

    TIFilter<u16> typed;
    typed.attach(&source);
    EXPECT_EQ(typed.compatibleUnitWidths(), Width16);
    EXPECT_TRUE(typed.isReady());
    u32 got = 4;
    u32 wide[2];
    EXPECT_IO_ERROR(typed.read32Many(2, wide, got), IOException::WidthNotProvided, "base/TIFilter");
    EXPECT_EQ(got, 0u);
    u16 units[3] = {};
    typed.read16Many(3, units, got);
    EXPECT_EQ(got, 2u);
    EXPECT_EQ(units[1], u'b');
}

TEST(PushbackIFilter, StackComesBackInReverseAndDoubles) {
    Utf8String text("s");
    StringIFlow<char> source(&text);
    PushbackIFilter<char> filter;
    EXPECT_EQ(filter.pendingCapacity(), 16u);
    EXPECT_IO_ERROR(filter.read16(), IOException::WidthNotProvided, "base/PushbackIFilter");
    filter.attach(&source);
    for (char c = 'a'; c < 'a' + 17; ++c) filter.unread(c);
    EXPECT_EQ(filter.pendingCapacity(), 32u);
    EXPECT_EQ(filter.pendingCount(), 17u);
    EXPECT_TRUE(filter.isAtStart());
    for (char c = 'a' + 16; c >= 'a'; --c) EXPECT_EQ(filter.readUnit(), c);
    EXPECT_TRUE(filter.isAtStart()); // pending units are no transfer
    EXPECT_EQ(filter.read8(), 's');
    EXPECT_FALSE(filter.isAtStart());
    EXPECT_IO_ERROR(filter.read8(), IOException::EndOfInput, "base/StringIFlow");

    filter.unread('t'); // pending units outlive the end of the source
    EXPECT_EQ(filter.read8(), 't');
    filter.unread('u');
    EXPECT_TRUE(filter.reset());
    EXPECT_EQ(filter.pendingCount(), 0u);
    EXPECT_EQ(filter.pendingCapacity(), 32u);
    EXPECT_EQ(filter.read8(), 's');
}

TEST(PushbackIFilter, ManyUnitReadsGoThroughTheConversion) {
    Utf16String text = units16({10, 20});
    StringIFlow<u16> source(&text);
    Doubler doubler;
    doubler.attach(&source);
    u16 units[8] = {};
    u32 got = 0;
    doubler.readUnits(3, units, got);
    EXPECT_EQ(Utf16String(units, got).compare(units16({10, 11, 20})), 0);
    doubler.read16Many(8, units, got);
    EXPECT_EQ(Utf16String(units, got).compare(units16({21})), 0);
    EXPECT_TRUE(doubler.reset());
    EXPECT_EQ(doubler.readUnit(), 10);
}

TEST(SwapEndianIFilter, ReversesTheBytesOfTheirWidth) {
    Utf16String text = units16({0x3412, 0xFEFF});
    StringIFlow<u16> source16(&text);
    UInt16SwapEndianIFilter swap16;
    swap16.attach(&source16);
    EXPECT_EQ(swap16.read16(), 0x1234);
    EXPECT_EQ(swap16.read16(), 0xFFFE);

    const u32 wide[] = {0x78563412};
    StringIFlow<u32> source32(wide, 1);
    UInt32SwapEndianIFilter swap32;
    swap32.attach(&source32);
    EXPECT_EQ(swap32.read32(), 0x12345678u);
    EXPECT_IO_ERROR(swap32.read32(), IOException::EndOfInput, "base/StringIFlow");
}

TEST(TOFilter, ForwardsItsWidthToTheDestination) {
    TOFilter<u16> detached;
    EXPECT_IO_ERROR(detached.write16(1), IOException::NoDestination, "base/OFilter");
    EXPECT_IO_ERROR(detached.flush(), IOException::NoDestination, "base/OFilter");
    EXPECT_IO_ERROR(detached.write8(1), IOException::WidthNotProvided, "base/TOFilter");
    u32 written = 6;
    const u32 wide[] = {1};
    EXPECT_IO_ERROR(detached.write32Many(1, wide, written), IOException::WidthNotProvided,
                    "base/TOFilter");
    EXPECT_EQ(written, 0u);

    Utf16String target;
    StringOFlow<u16> destination(&target);
    TOFilter<u16> filter(&destination);
    EXPECT_TRUE(filter.isAtStart());
    EXPECT_TRUE(filter.isReady());
    filter.writeUnit(u'a');
    EXPECT_FALSE(filter.isAtStart());
    const u16 units[] = {u'b', u'c'};
    filter.writeUnits(2, units, written);
    EXPECT_EQ(written, 2u);
    EXPECT_EQ(target.compare(Utf16String(u"abc")), 0);
    EXPECT_TRUE(filter.reset()); // resets the destination, which empties it
    EXPECT_EQ(target.length(), 0u);

    TOFilter<char> narrow(&destination);
    EXPECT_FALSE(narrow.isReady()); // the destination takes no bytes
}

TEST(CompositIFilter, WithoutMembersPassesThrough) {
    CompositIFilter chain;
    EXPECT_IO_ERROR(chain.read16(), IOException::NoSource, "base/CompositIFilter");
    EXPECT_FALSE(chain.isReady());
    Utf16String text(u"ab");
    StringIFlow<u16> source(&text);
    EXPECT_FALSE(chain.attach(&source)); // no member took the source
    EXPECT_EQ(chain.compatibleUnitWidths(), Width16);
    EXPECT_TRUE(chain.isReady());
    EXPECT_EQ(chain.read16(), u'a');
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
    EXPECT_EQ(Utf16String(units, got).compare(units16({3, 6, 8})), 0);

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
