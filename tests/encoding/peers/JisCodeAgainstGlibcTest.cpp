#include "encoding/JisCode.h"
#include "encoding/tables/JisTables.h"
#include "tests/encoding/peers/GlibcIconv.h"

#include <gtest/gtest.h>

using namespace ZUM;
using namespace ZUM::test;

// The Shift_JIS to EUC-JP arithmetic agrees with glibc on every double-byte
// character.
TEST(JisCodeAgainstGlibc, EveryShiftJisCharacter) {
    const Reference toEuc = glibcConverter("EUC-JP", "SHIFT_JIS");
    int characters = 0;
    for (unsigned code = 0x100; code <= 0xFFFF; ++code) {
        if (sjisToUcs2Table.lookup(code) == CodeTable::Unmapped) continue;
        ++characters;
        EXPECT_EQ(toEuc(code), JisCode::sjisToEuc(code)) << std::hex << code;
    }
    EXPECT_EQ(characters, 6879);
}
