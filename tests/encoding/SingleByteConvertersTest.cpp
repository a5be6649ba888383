#include <gtest/gtest.h>

#include <string>

#include "encoding/FromCp1252ToUcs2.h"
#include "encoding/FromUcs2ToUtf7.h"
#include "encoding/FromUtf7ToUcs2.h"
#include "encoding/Iso8859Decoder.h"
#include "encoding/UnitRangeConverter.h"
#include "tests/encoding/Harness.h"

using namespace ZUM;
using namespace ZUM::test;

namespace {

std::string toUtf7(const std::u16string& text) {
    return stringOf(convert<FromUcs2ToUtf7>(unitsOf(text), Width16));
}

std::u16string fromUtf7(const std::string& bytes) {
    return textOf(convert<FromUtf7ToUcs2>(bytesOf(bytes), Width8));
}

} // namespace

// Undefined bytes: the ISO 8859 parts skip them, Windows-1252 reads them as
// U+FFFF (the comparison with glibc in peers/ sees both as unmapped). The
// steps between a part and US-ASCII drop every byte above 7F.
TEST(SingleByteDecoders, UndefinedBytesAndUsAscii) {
    EXPECT_EQ(convert<From8859_7ToUcs2>(bytesOf("A\xA4\x42"), Width8), (Units{0x41, 0x42}));
    EXPECT_EQ(convert<FromCp1252ToUcs2>(bytesOf("\x80\x81\x09"), Width8),
              (Units{0x20AC, 0xFFFF, 0x09}));
    EXPECT_EQ(convert<From8859_xToUsAscii>(bytesOf("A\xE9\x42"), Width8), bytesOf("AB"));
    EXPECT_EQ(convert<FromUsAsciiTo8859_x>(bytesOf("\x80\x43"), Width8), bytesOf("C"));
}

// The encoder closes a run with "-" only where the next character would read as
// base64; three units fill two groups exactly, two leave a byte for the end.
TEST(Utf7, RunsGroupsAndTerminators) {
    const std::pair<std::u16string, std::string> both[] = {
        {u"A+B", "A+-B"},
        {u"\u00E9", "+AOk-"},
        {u"\u00E9a", "+AOk-a"},
        {u"\u00E9.", "+AOk."},
        {u"\u00E9-", "+AOk--"},
        {u"\u65E5\u672C\u8A9E", "+ZeVnLIqe-"},
        {u"\u65E5\u672C", "+ZeVnLA-"},
        {u"\u65E5\u672C.", "+ZeVnLA."},
        {u"~!", "+AH4AIQ-"},
        {u"a/b\n\\", "a/b\n+AFw-"}, // slash and line feed are direct, backslash never
    };
    for (const auto& [text, utf7] : both) {
        EXPECT_EQ(toUtf7(text), utf7);
        EXPECT_EQ(fromUtf7(utf7), text) << utf7;
    }
    EXPECT_EQ(fromUtf7("+-"), u"+");
    EXPECT_EQ(fromUtf7("+ZeVnLA"), u"\u65E5\u672C"); // the run ends with the input
    EXPECT_EQ(fromUtf7("~\\!"), u"~\\!");
    // A terminator after a group that completes nothing still comes out.
    EXPECT_EQ(fromUtf7("+A!"), u"!");
    EXPECT_EQ(fromUtf7("a+"), u"a");
}

// Reset closes an open run and drops the bits it carried.
TEST(Utf7, ResetClearsTheRun) {
    FromUcs2ToUtf7 encoder;
    EXPECT_EQ(stringOf(afterReset(encoder, unitsOf(u"\u65E5\u672C"), Width16, 1, unitsOf(u"a"))),
              "a");
    FromUtf7ToUcs2 decoder;
    EXPECT_EQ(textOf(afterReset(decoder, bytesOf("+AOkA"), Width8, 1, bytesOf("AOk"))), u"AOk");
}
