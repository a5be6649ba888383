#include "encoding/tables/JisTables.h"
#include "encoding/JisCode.h"
#include "encoding/SjisByteClass.h"
#include "tests/encoding/GlibcIconv.h"

#include <algorithm>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace ZUM;
using namespace ZUM::test;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

constexpr u16 None = CodeTable::Unmapped;

// The control codes, which glibc maps and our tables leave to the converters, and
// the `other` differences, in code order.
std::vector<Difference> controlsAnd(std::vector<Difference> other) {
    for (u16 c = 0; c <= 0x7F; c = c == 0x1F ? 0x7F : c + 1) other.push_back({c, None, c});
    std::ranges::sort(other, {}, &Difference::code);
    return other;
}

} // namespace

TEST(JisTables, CountsAndTellingRows) {
    EXPECT_EQ(mappedCount(sjisToUcs2Table), 7037);
    EXPECT_EQ(mappedCount(cp932ToUcs2Table), 7915);
    EXPECT_EQ(mappedCount(ucs2ToSjisTable), 7037);
    EXPECT_EQ(mappedCount(ucs2ToCp932Table), 7517);
    EXPECT_EQ(mappedCount(ucs2ToJisX0208Table), 6879);
    EXPECT_EQ(mappedCount(ucs2ToIso2022JpTable), 6974);
    // Where the JIS and the Windows readings part: code, Shift_JIS, CP932.
    const u16 rows[][3] = {
        {0x5C, 0x00A5, 0x005C},   {0x7E, 0x203E, 0x007E},   {0x815F, 0x005C, 0xFF3C},
        {0x8160, 0x301C, 0xFF5E}, {0x8161, 0x2016, 0x2225}, {0x817C, 0x2212, 0xFF0D},
        {0x8191, 0x00A2, 0xFFE0}, {0x81CA, 0x00AC, 0xFFE2}, {0x8740, None, 0x2460},
        {0xED40, None, 0x7E8A},   {0xFA40, None, 0x2170},   {0xB1, 0xFF71, 0xFF71},
    };
    for (const auto& [code, sjis, cp932] : rows) {
        EXPECT_EQ(sjisToUcs2Table.lookup(code), sjis) << std::hex << code;
        EXPECT_EQ(cp932ToUcs2Table.lookup(code), cp932) << std::hex << code;
        EXPECT_TRUE(sjis == None || ucs2ToSjisTable.lookup(sjis) == code) << std::hex << code;
    }
    EXPECT_EQ(ucs2ToSjisTable.lookup(0x007E), None);
    // Of CP932 codes sharing a character the highest is written.
    const u16 cp932Rows[][2] = {
        {0x005C, 0x5C},   {0x007E, 0x7E},   {0xFF3C, 0x815F}, {0x2460, 0x8740},
        {0x2160, 0xFA4A}, {0x7E8A, 0xFA5C}, {0xFFE2, 0xFA54}, {0x2170, 0xFA40},
    };
    for (const auto& [ucs2, cp932] : cp932Rows) {
        EXPECT_EQ(ucs2ToCp932Table.lookup(ucs2), cp932) << std::hex << ucs2;
    }
    for (u16 dropped : {0x80, 0xA0, 0xFD, 0xF040})
        EXPECT_EQ(cp932ToUcs2Table.lookup(dropped), None);
}

TEST(JisTables, JisRowCellCodes) {
    const u16 rows[][3] = {
        // UCS-2, JIS X 0208, ISO-2022-JP
        {0x005C, 0x2140, 0x2140}, {0x301C, 0x2141, 0x2141}, {0x2016, 0x2142, 0x2142},
        {0x2212, 0x215D, 0x215D}, {0x00A2, 0x2171, 0x2171}, {0x0041, None, 0x41},
        {0x00A5, None, 0x5C},     {0x203E, None, 0x7E},     {0x007E, None, None},
    };
    for (const auto& [ucs2, jis, iso2022jp] : rows) {
        EXPECT_EQ(ucs2ToJisX0208Table.lookup(ucs2), jis) << std::hex << ucs2;
        EXPECT_EQ(ucs2ToIso2022JpTable.lookup(ucs2), iso2022jp) << std::hex << ucs2;
    }
}

// Every double-byte Shift_JIS character: its bytes have the lead and trail classes,
// the arithmetic goes there and back and agrees with glibc's Shift_JIS to EUC-JP.
TEST(JisCode, EveryShiftJisCharacter) {
    const Reference toEuc = glibcConverter("EUC-JP", "SHIFT_JIS");
    EXPECT_EQ(JisCode::sjisToEuc(0x82A0), 0xA4A2);
    EXPECT_EQ(JisCode::sjisToJis(0x8140), 0x2121);
    int characters = 0;
    for (unsigned code = 0x100; code <= 0xFFFF; ++code) {
        if (sjisToUcs2Table.lookup(code) == None) continue;
        ++characters;
        EXPECT_TRUE(sjisByteClasses[code >> 8] & SjisLead) << std::hex << code;
        EXPECT_TRUE(sjisByteClasses[code & 0xFF] & SjisTrail) << std::hex << code;
        const u16 euc = JisCode::sjisToEuc(code);
        EXPECT_EQ(toEuc(code), euc) << std::hex << code;
        EXPECT_EQ(JisCode::eucToSjis(euc), code);
        EXPECT_EQ(JisCode::sjisToJis(code), euc - 0x8080);
        EXPECT_EQ(JisCode::jisToSjis(euc - 0x8080), code);
    }
    EXPECT_EQ(characters, 6879);
}

// Our 815F (JIS row 1 cell 32) is REVERSE SOLIDUS, glibc's the full-width form; and
// glibc's encoders take fallbacks that our inverses have not.
TEST(JisTablesAgainstGlibc, ShiftJis) {
    EXPECT_THAT(differences(sjisToUcs2Table, glibcDecoder("SHIFT_JIS")),
                ElementsAreArray(controlsAnd({{0x815F, 0x005C, 0xFF3C}})));
    EXPECT_THAT(differences(ucs2ToSjisTable, glibcEncoder("SHIFT_JIS")),
                ElementsAreArray(controlsAnd({{0x005C, 0x815F, 0x5C},
                                              {0x007E, None, 0x7E},
                                              {0xFF3C, None, 0x815F},
                                              {0xFFE0, None, 0x8191},
                                              {0xFFE1, None, 0x8192},
                                              {0xFFE2, None, 0x81CA}})));
}

TEST(JisTablesAgainstGlibc, Cp932) {
    auto decoding = differences(cp932ToUcs2Table, glibcDecoder("CP932"));
    EXPECT_EQ(std::erase_if(decoding, isCp932UserDefined), 1880u);
    EXPECT_THAT(decoding, ::testing::IsEmpty());

    auto encoding = differences(ucs2ToCp932Table, glibcEncoder("CP932"));
    EXPECT_EQ(std::erase_if(encoding, isCp932UserDefined), 1880u);
    // Of codes sharing a character glibc writes the lowest, we the highest.
    const auto lowerTwin = [](const Difference& d) {
        return d.ours != None && d.glibc < d.ours && cp932ToUcs2Table.lookup(d.glibc) == d.code;
    };
    EXPECT_EQ(std::erase_if(encoding, lowerTwin), 23u);
    EXPECT_THAT(encoding, ElementsAreArray(cp932EncoderFallbacks()));
}

// EUC-JP reads through the arithmetic to Shift_JIS and the Shift_JIS table.
TEST(JisTablesAgainstGlibc, EucJpAndIso2022Jp) {
    const auto jisX0208 = [eucJp = glibcEncoder("EUC-JP")](u16 ucs2) {
        const u16 euc = eucJp(ucs2); // single bytes and 8E katakana are not JIS X 0208
        return euc != None && euc >> 8 >= 0xA1 && (euc & 0xFF) >= 0xA1 ? u16(euc - 0x8080) : None;
    };
    EXPECT_THAT(differences(ucs2ToJisX0208Table, jisX0208),
                ElementsAre(Difference{0x005C, 0x2140, None}, Difference{0xFF3C, None, 0x2140}));
    const Reference eucJp = glibcDecoder("EUC-JP");
    for (unsigned jis = 0x2121; jis <= 0x7E7E; ++jis) {
        if ((jis & 0xFF) < 0x21 || (jis & 0xFF) > 0x7E || jis == 0x2140) continue;
        EXPECT_EQ(sjisToUcs2Table.lookup(JisCode::jisToSjis(jis)), eucJp(jis | 0x8080))
            << std::hex << jis;
    }
    EXPECT_EQ(eucJp(0xA1C0), 0xFF3C);
    EXPECT_THAT(differences(ucs2ToIso2022JpTable, glibcEncoder("ISO-2022-JP")),
                ElementsAreArray(controlsAnd(
                    {{0x005C, 0x2140, 0x5C}, {0x007E, None, 0x7E}, {0xFF3C, None, 0x2140}})));
}
