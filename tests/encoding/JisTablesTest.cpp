#include "encoding/tables/JisTables.h"
#include "encoding/JisCode.h"
#include "encoding/SjisByteClass.h"
#include "tests/encoding/Harness.h"

#include <gtest/gtest.h>

using namespace ZUM;
using namespace ZUM::test;

constexpr u16 None = CodeTable::Unmapped;

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
}
