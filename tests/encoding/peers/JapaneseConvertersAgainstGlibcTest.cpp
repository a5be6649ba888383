#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "encoding/EncodingRegistry.h"
#include "encoding/FromUcs2ToEucJp.h"
#include "encoding/Iso2022JpEncoder.h"
#include "encoding/JisDecoder.h"
#include "encoding/SjisByteClass.h"
#include "encoding/TableEncoder.h"
#include "tests/encoding/peers/GlibcIconv.h"

using namespace ZUM;
using namespace ZUM::test;
using ::testing::ElementsAreArray;

namespace {

constexpr u16 None = CodeTable::Unmapped;

// Every single byte, and every byte pair whose first byte is of a class in
// `leads` (or of none, for no `leads`) with a second from 40 to FC.
std::vector<u16> byteCodes(u8 leads) {
    std::vector<u16> codes;
    for (unsigned byte = 0; byte <= 0xFF; ++byte) codes.push_back(static_cast<u16>(byte));
    for (unsigned lead = 0x80; lead <= 0xFF; ++lead) {
        if (leads ? !(sjisByteClasses[lead] & leads) : sjisByteClasses[lead] & HalfWidthKana)
            continue;
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            codes.push_back(static_cast<u16>(lead << 8 | trail));
        }
    }
    return codes;
}

// ASCII, the 8E katakana and every pair of EUC bytes.
std::vector<u16> eucCodes() {
    std::vector<u16> codes;
    for (unsigned byte = 0; byte < 0x80; ++byte) codes.push_back(static_cast<u16>(byte));
    for (unsigned kana = 0xA1; kana <= 0xDF; ++kana)
        codes.push_back(static_cast<u16>(0x8E00 | kana));
    for (unsigned first = 0xA1; first <= 0xFE; ++first) {
        for (unsigned second = 0xA1; second <= 0xFE; ++second) {
            codes.push_back(static_cast<u16>(first << 8 | second));
        }
    }
    return codes;
}

// What glibc has of CP932 and we drop: the user-defined rows F0-F9 and the
// private-use characters they map to.
bool isCp932UserDefined(const Difference& d) {
    const bool userRow = d.code >> 8 >= 0xF0 && d.code >> 8 <= 0xF9;
    return d.ours == None && (userRow || (d.code >= 0xE000 && d.code <= 0xE757));
}

} // namespace

// Where glibc reads 815F as FULLWIDTH REVERSE SOLIDUS and writes some
// characters by fallback; everything else agrees, control bytes included.
TEST(ShiftJisAgainstGlibc, EveryCode) {
    EXPECT_THAT(differences(referenceOf<FromSjisToUcs2>(Width8), glibcDecoder("SHIFT_JIS"),
                            byteCodes(SjisLead)),
                ElementsAreArray(std::vector<Difference>{{0x815F, 0x005C, 0xFF3C}}));
    EXPECT_THAT(
        differences(referenceOf<FromUcs2ToSjis>(Width16), glibcEncoder("SHIFT_JIS"), bmpCodes()),
        ElementsAreArray(std::vector<Difference>{{0x005C, 0x815F, 0x005C},
                                                 {0x007E, None, 0x007E},
                                                 {0xFF3C, None, 0x815F},
                                                 {0xFFE0, None, 0x8191},
                                                 {0xFFE1, None, 0x8192},
                                                 {0xFFE2, None, 0x81CA}}));
}

TEST(Cp932AgainstGlibc, EveryCode) {
    auto decoding =
        differences(referenceOf<FromCp932ToUcs2>(Width8), glibcDecoder("CP932"), byteCodes(0));
    EXPECT_EQ(std::erase_if(decoding, isCp932UserDefined), 1880u);
    EXPECT_THAT(decoding, ::testing::IsEmpty());

    auto encoding =
        differences(referenceOf<FromUcs2ToCp932>(Width16), glibcEncoder("CP932"), bmpCodes());
    EXPECT_EQ(std::erase_if(encoding, isCp932UserDefined), 1880u);
    // Of codes sharing a character glibc writes the lowest, we the highest.
    const auto lowerTwin = [decode = referenceOf<FromCp932ToUcs2>(Width8)](const Difference& d) {
        return d.ours != None && d.glibc < d.ours && decode(d.glibc) == d.code;
    };
    EXPECT_EQ(std::erase_if(encoding, lowerTwin), 23u);
    // The rest glibc writes by fallback.
    EXPECT_THAT(encoding, ElementsAreArray(std::vector<Difference>{{0x00A2, None, 0x8191},
                                                                   {0x00A3, None, 0x8192},
                                                                   {0x00A5, None, 0x005C},
                                                                   {0x00AC, None, 0x81CA},
                                                                   {0x2014, None, 0x815C},
                                                                   {0x2016, None, 0x8161},
                                                                   {0x203E, None, 0x007E},
                                                                   {0x2212, None, 0x817C},
                                                                   {0x301C, None, 0x8160}}));
}

// EUC-JP reads through Shift_JIS, so its 5C and 7E take the JIS Roman
// reading and its A1C0 is REVERSE SOLIDUS; glibc writes C1 controls, which
// we drop, and FULLWIDTH REVERSE SOLIDUS, which we lack.
TEST(EucJpAgainstGlibc, EveryCode) {
    const std::shared_ptr<IFilter> decoder(createFilterChain(22, 10));
    EXPECT_THAT(differences(referenceOf(decoder, Width8), glibcDecoder("EUC-JP"), eucCodes()),
                ElementsAreArray(std::vector<Difference>{
                    {0x005C, 0x00A5, 0x005C}, {0x007E, 0x203E, 0x007E}, {0xA1C0, 0x005C, 0xFF3C}}));
    std::vector<Difference> expected;
    for (u16 c = 0x81; c <= 0x9F; ++c) {
        if (c != 0x8E && c != 0x8F) expected.push_back({c, None, c});
    }
    expected.push_back({0xFF3C, None, 0xA1C0});
    EXPECT_THAT(
        differences(referenceOf<FromUcs2ToEucJp>(Width16), glibcEncoder("EUC-JP"), bmpCodes()),
        ElementsAreArray(expected));
}

// Every JIS X 0208 code in its own designated run, and glibc's encoder over
// the whole BMP, where only FULLWIDTH REVERSE SOLIDUS parts us.
TEST(Iso2022JpAgainstGlibc, EveryCode) {
    const std::shared_ptr<IFilter> decoder(createFilterChain(21, 10));
    int compared = 0;
    for (unsigned first = 0x21; first <= 0x7E; ++first) {
        for (unsigned second = 0x21; second <= 0x7E; ++second) {
            const std::string run = std::string("\x1B$B") + char(first) + char(second) + "\x1B(B";
            const auto glibc = glibcConvert("UTF-16LE", "ISO-2022-JP", run);
            const std::string ours = utf16Bytes(textOf(drain(*decoder, bytesOf(run), Width8)));
            if (first == 0x21 && second == 0x40) {
                EXPECT_EQ(ours, utf16Bytes(u"\\"));
                EXPECT_EQ(glibc, utf16Bytes(u"\uFF3C"));
                continue;
            }
            EXPECT_EQ(ours, glibc ? *glibc : utf16Bytes(u"\uFFFF")) << std::hex << first << second;
            compared += glibc.has_value();
        }
    }
    EXPECT_EQ(compared, 6879 - 1);
    EXPECT_THAT(differences(referenceOf<FromUcs2ToIso2022Jp>(Width16), glibcEncoder("ISO-2022-JP"),
                            bmpCodes()),
                ElementsAreArray(std::vector<Difference>{{0xFF3C, None, 0x2140}}));
}
