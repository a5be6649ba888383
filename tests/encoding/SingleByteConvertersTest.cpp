#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "encoding/ConverterTableRow.h"
#include "encoding/FromCp1252ToUcs2.h"
#include "encoding/FromUcs2ToUtf7.h"
#include "encoding/FromUtf7ToUcs2.h"
#include "encoding/Iso8859Decoder.h"
#include "encoding/TableEncoder.h"
#include "encoding/UnitRangeConverter.h"
#include "tests/encoding/GlibcIconv.h"
#include "tests/encoding/Harness.h"

using namespace ZUM;
using namespace ZUM::test;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

constexpr u16 None = CodeTable::Unmapped;

std::vector<u16> everyByte() {
    std::vector<u16> codes;
    for (unsigned byte = 0; byte <= 0xFF; ++byte) codes.push_back(static_cast<u16>(byte));
    return codes;
}

std::string toUtf7(const std::u16string& text) {
    return stringOf(convert<FromUcs2ToUtf7>(unitsOf(text), Width16));
}

std::u16string fromUtf7(const std::string& bytes) {
    return textOf(convert<FromUtf7ToUcs2>(bytesOf(bytes), Width8));
}

} // namespace

// Our part 7 predates the euro, drachma and ypogegrammeni, our part 8 the
// MACRON at AF and the directional marks; undefined bytes are skipped.
TEST(Iso8859AgainstGlibc, EveryByteOfEveryPart) {
    const int parts[13] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 14, 15};
    std::map<int, std::vector<Difference>> expected = {
        {7, {{0xA4, None, 0x20AC}, {0xA5, None, 0x20AF}, {0xAA, None, 0x037A}}},
        {8, {{0xAF, 0x203E, 0x00AF}, {0xFD, None, 0x200E}, {0xFE, None, 0x200F}}},
    };
    for (int i = 0; i < 13; ++i) {
        const std::string name = "ISO-8859-" + std::to_string(parts[i]);
        const std::shared_ptr<IFilter> decoder(converterTable[57 + i].create());
        EXPECT_EQ(
            differences(referenceOf(decoder, Width8), glibcDecoder(name.c_str()), everyByte()),
            expected[parts[i]])
            << name;
    }
    EXPECT_EQ(convert<From8859_7ToUcs2>(bytesOf("A\xA4\x42"), Width8), (Units{0x41, 0x42}));
    // Written to part 5, é keeps its Latin-1 byte and Cyrillic is dropped.
    EXPECT_EQ(convert<FromUcs2To8859_1>({0xE9, 0x411}, Width16), bytesOf("\xE9"));
    EXPECT_EQ(convert<From8859_xToUsAscii>(bytesOf("A\xE9\x42"), Width8), bytesOf("AB"));
    EXPECT_EQ(convert<FromUsAsciiTo8859_x>(bytesOf("\x80\x43"), Width8), bytesOf("C"));
}

TEST(LatinEncodersAndWindows1252AgainstGlibc, EveryCode) {
    EXPECT_EQ(mappedCount(cp1252ToUcs2Table), 251);
    EXPECT_EQ(mappedCount(ucs2ToCp1252Table), 251);
    EXPECT_EQ(mappedCount(ucs2ToLatin1Table), 256);
    // Undefined bytes give 0xFFFF, which is also how our reference shows glibc's refusal.
    EXPECT_THAT(
        differences(referenceOf<FromCp1252ToUcs2>(Width8), glibcDecoder("CP1252"), everyByte()),
        IsEmpty());
    EXPECT_THAT(
        differences(referenceOf<FromUcs2ToCp1252>(Width16), glibcEncoder("CP1252"), bmpCodes()),
        IsEmpty());
    EXPECT_THAT(
        differences(referenceOf<FromUcs2To8859_1>(Width16), glibcEncoder("ISO-8859-1"), bmpCodes()),
        IsEmpty());
    EXPECT_EQ(convert<FromCp1252ToUcs2>(bytesOf("\x80\x81\x09"), Width8),
              (Units{0x20AC, 0xFFFF, 0x09}));
    EXPECT_EQ(convert<FromUcs2ToCp1252>({0x20AC, 0x100, 0x41}, Width16), bytesOf("\x80\x41"));
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

// Round trips with glibc both ways over the whole BMP, in runs of every
// length up to seven, so groups end at every offset.
TEST(Utf7AgainstGlibc, RoundTripsEitherWay) {
    std::u16string text;
    unsigned run = 0;
    for (const u16 c : bmpCodes()) {
        if (c == 0) continue;
        text.push_back(static_cast<char16_t>(c));
        if (++run % 8 == 0) text.push_back(u'.');
    }
    const auto ours = toUtf7(text);
    EXPECT_EQ(glibcConvert("UTF-16LE", "UTF-7", ours), utf16Bytes(text));
    const auto glibc = glibcConvert("UTF-7", "UTF-16LE", utf16Bytes(text));
    ASSERT_TRUE(glibc);
    EXPECT_EQ(fromUtf7(*glibc), text);
}

// Reset closes an open run and drops the bits it carried.
TEST(Utf7, ResetClearsTheRun) {
    FromUcs2ToUtf7 encoder;
    EXPECT_EQ(stringOf(afterReset(encoder, unitsOf(u"\u65E5\u672C"), Width16, 1, unitsOf(u"a"))),
              "a");
    FromUtf7ToUcs2 decoder;
    EXPECT_EQ(textOf(afterReset(decoder, bytesOf("+AOkA"), Width8, 1, bytesOf("AOk"))), u"AOk");
}
