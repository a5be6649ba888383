#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "encoding/ConverterTableRow.h"
#include "encoding/FromCp1252ToUcs2.h"
#include "encoding/FromUcs2ToUtf7.h"
#include "encoding/FromUtf7ToUcs2.h"
#include "encoding/TableEncoder.h"
#include "tests/encoding/peers/GlibcIconv.h"

using namespace ZUM;
using namespace ZUM::test;
using ::testing::IsEmpty;

namespace {

constexpr u16 None = CodeTable::Unmapped;

std::vector<u16> everyByte() {
    std::vector<u16> codes;
    for (unsigned byte = 0; byte <= 0xFF; ++byte) codes.push_back(static_cast<u16>(byte));
    return codes;
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
}

TEST(LatinEncodersAndWindows1252AgainstGlibc, EveryCode) {
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
    const std::string ours = stringOf(convert<FromUcs2ToUtf7>(unitsOf(text), Width16));
    EXPECT_EQ(glibcConvert("UTF-16LE", "UTF-7", ours), utf16Bytes(text));
    const auto glibc = glibcConvert("UTF-7", "UTF-16LE", utf16Bytes(text));
    ASSERT_TRUE(glibc);
    EXPECT_EQ(textOf(convert<FromUtf7ToUcs2>(bytesOf(*glibc), Width8)), text);
}