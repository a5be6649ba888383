#include "base/TextWriter.h"

#include <gtest/gtest.h>

#include "base/FlowsModule.h"
#include "base/Library.h"
#include "base/StringOFlow.h"
#include "tests/IOExpect.h"

using namespace ZUM;

TEST(TextWriter, WritesAndPrintsThroughItsDestination) {
    Utf8String out;
    StringOFlow<char> flow(&out);
    TextWriter<char> writer(&flow);
    EXPECT_EQ(writer.write("ab"), 2u);
    EXPECT_EQ(writer.print("[%5.2f|%-3d|%s|%x]", 3.14159, 7, "str", 255u), 18);
    EXPECT_EQ(writer.print("%{2}s-%{1}s", "one", "two"), 7);
    EXPECT_TRUE(out == "ab[ 3.14|7  |str|ff]two-one");
}

TEST(TextWriter, UnknownConversionsWriteNothing) {
    Utf8String out;
    StringOFlow<char> flow(&out);
    TextWriter<char> writer(&flow);
    EXPECT_EQ(writer.print("%ld", 5L), 0);
    EXPECT_EQ(writer.print("%d", 6), 1); // no argument left over from the refused call
    EXPECT_TRUE(out == "6");
}

TEST(TextWriter, WithoutDestination) {
    TextWriter<u16> writer;
    const u16 text[] = {'a', 0};
    EXPECT_IO_ERROR(writer.write(text), IOException::NoDestination, "base/OFilter");
}

TEST(TStringFormat, ReplacesTheContentsInEveryWidth) {
    Utf8String s("old text");
    EXPECT_EQ(s.format("%s=%03d", "n", 7), 5);
    EXPECT_TRUE(s == "n=007");
    Utf8String pattern("%s!");
    s.formatString(&pattern, "again");
    EXPECT_TRUE(s == "again!");
    s.formatString(&s, "self"); // the pattern may be the string itself
    EXPECT_TRUE(s == "again!");

    Utf16String wide;
    const u16 units[] = {'<', '%', 'u', '>', 'x', 'y'};
    EXPECT_EQ(wide.formatCount(4, units, 42u), 4);
    EXPECT_TRUE(wide == Utf16String(u"<42>"));
}

TEST(FlowsModule, SharedWritersExistWhileTheLibraryRuns) {
    ASSERT_TRUE(startLibrary());
    ASSERT_NE(sharedNullOFlow(), nullptr);
    EXPECT_EQ(sharedTextWriter8()->unitWidths(), Width8);
    EXPECT_EQ(sharedTextWriter16()->unitWidths(), Width16);
    EXPECT_EQ(sharedTextWriter32()->unitWidths(), Width32);
    EXPECT_EQ(sharedTextWriter8()->print("%d", 12345), 5);
    ASSERT_TRUE(stopLibrary());
    EXPECT_EQ(sharedNullOFlow(), nullptr);
    EXPECT_EQ(sharedTextWriter16(), nullptr);
}
