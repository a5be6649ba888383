#include "base/StringIFlow.h"
#include "base/StringOFlow.h"

#include <gtest/gtest.h>

#include "tests/IOExpect.h"

using namespace ZUM;

TEST(StringIFlow, ReadsItsOwnWidthOnly) {
    Utf16String text(u"xy");
    StringIFlow<u16> flow(&text);
    EXPECT_EQ(flow.unitWidths(), Width16);
    EXPECT_IO_ERROR(flow.read8(), IOException::WidthNotProvided, "base/StringIFlow");
    EXPECT_EQ(flow.read16(), u'x');
    EXPECT_EQ(flow.read16(), u'y');
    EXPECT_IO_ERROR(flow.read16(), IOException::EndOfInput, "base/StringIFlow");
    EXPECT_TRUE(flow.reset());
    EXPECT_EQ(flow.read16(), u'x');

    EXPECT_TRUE(flow.close());
    EXPECT_FALSE(flow.close());
    EXPECT_IO_ERROR(flow.read16(), IOException::NotOpen, "base/StringIFlow");
    StringIFlow<u32> none(static_cast<const TStringPtr<u32>*>(nullptr));
    EXPECT_FALSE(none.isOpen());
}

TEST(StringIFlow, LineReadsKeepTheLineFeedAndReportTheEnd) {
    Utf16String text(u"ab\nc");
    StringIFlow<u16> flow(&text);
    Utf16String line(u"old");
    EXPECT_FALSE(flow.readLine16(line, false));
    EXPECT_EQ(line.compare(Utf16String(u"ab\n")), 0);
    EXPECT_TRUE(flow.readLine16(line, false));
    EXPECT_EQ(line.compare(Utf16String(u"c")), 0);

    const char bytes[] = {'p', 0, 'q'};
    StringIFlow<char> narrow(bytes, 3);
    Utf8String out("=");
    EXPECT_FALSE(narrow.readLine8(out, true)); // a zero unit ends the line unstored
    EXPECT_TRUE(out == "=p");
    EXPECT_TRUE(narrow.readLine8(out, true));
    EXPECT_TRUE(out == "=pq");
    TString<u32> wide; // failures other than the end pass on
    EXPECT_IO_ERROR(narrow.readLine32(wide, false), IOException::WidthNotProvided,
                    "base/StringIFlow");
}

TEST(StringOFlow, AppendsItsOwnWidthOnly) {
    Utf8String target("<");
    StringOFlow<char> flow(&target);
    EXPECT_IO_ERROR(flow.write16('x'), IOException::WidthNotProvided, "base/StringOFlow");
    flow.write8('a');
    const u8 bytes[] = {'b', 'c'};
    u32 written = 0;
    flow.write8Many(2, bytes, written);
    EXPECT_EQ(written, 2u);
    EXPECT_TRUE(flow.writeTerminated8("de"));
    EXPECT_TRUE(flow.writeString8(Utf8String("f")));
    EXPECT_TRUE(target == "<abcdef");
    EXPECT_EQ(flow.size(), 7u);

    EXPECT_TRUE(flow.reset());
    EXPECT_EQ(target.length(), 0u);
    EXPECT_TRUE(flow.isAtStart());
    EXPECT_TRUE(flow.close());
    EXPECT_IO_ERROR(flow.write8('z'), IOException::NotOpen, "base/StringOFlow");
}

TEST(StringOFlow, ArrayWriteGrowsTheStringOnceAndExactly) {
    TString<u32> target;
    StringOFlow<u32> flow(&target);
    u32 units[25];
    for (u32 i = 0; i < 25; ++i) units[i] = 0x10000 + i;
    u32 written = 0;
    flow.write32Many(25, units, written);
    EXPECT_EQ(written, 25u);
    EXPECT_EQ(target.capacityBytes(), 100u);
    EXPECT_EQ(target[24], 0x10018u);
}
