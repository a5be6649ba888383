#include "encoding/tables/JisTables.h"
#include "encoding/JisCode.h"
#include "encoding/SjisByteClass.h"
#include "tests/encoding/Harness.h"

#include <gtest/gtest.h>

using namespace ZUM;
using namespace ZUM::test;

constexpr u16 None = CodeTable::Unmapped;

TEST(JisTables, CountsAndChosenCodes) {
    EXPECT_EQ(mappedCount(sjisToUcs2Table), 7037);
    EXPECT_EQ(mappedCount(cp932ToUcs2Table), 7915);
    EXPECT_EQ(mappedCount(ucs2ToSjisTable), 7037);
    EXPECT_EQ(mappedCount(ucs2ToCp932Table), 7517);
    EXPECT_EQ(mappedCount(ucs2ToJisX0208Table), 6879);
    EXPECT_EQ(mappedCount(ucs2ToIso2022JpTable), 6974);
    // Of CP932 codes sharing a character the highest is written.
    const u16 cp932Rows[][2] = {
        {0x005C, 0x5C},   {0x007E, 0x7E},   {0xFF3C, 0x815F}, {0x2460, 0x8740},
        {0x2160, 0xFA4A}, {0x7E8A, 0xFA5C}, {0xFFE2, 0xFA54}, {0x2170, 0xFA40},
    };
    for (const auto& [ucs2, cp932] : cp932Rows) {
        EXPECT_EQ(ucs2ToCp932Table.lookup(ucs2), cp932) << std::hex << ucs2;
    }
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
// and the arithmetic goes there and back (peers/ compares it with glibc).
TEST(JisCode, EveryShiftJisCharacter) {
    int characters = 0;
    for (unsigned code = 0x100; code <= 0xFFFF; ++code) {
        if (sjisToUcs2Table.lookup(code) == None) continue;
        ++characters;
        EXPECT_TRUE(sjisByteClasses[code >> 8] & SjisLead) << std::hex << code;
        EXPECT_TRUE(sjisByteClasses[code & 0xFF] & SjisTrail) << std::hex << code;
        const u16 euc = JisCode::sjisToEuc(code);
        EXPECT_EQ(JisCode::eucToSjis(euc), code);
        EXPECT_EQ(JisCode::sjisToJis(code), euc - 0x8080);
        EXPECT_EQ(JisCode::jisToSjis(euc - 0x8080), code);
    }
    EXPECT_EQ(characters, 6879);
    EXPECT_EQ(JisCode::sjisToEuc(0x82A0), 0xA4A2); // HIRAGANA LETTER A
    EXPECT_EQ(JisCode::sjisToEuc(0xEAA4), 0xF4A6); // the last row's last character
}
