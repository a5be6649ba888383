#include "xml/tables/NameCharTable.h"

#include <gtest/gtest.h>

using namespace ZUM;

namespace {

TEST(NameCharTableTest, MasksSplitNameStartFromNameCharacters) {
    auto start = [](u16 c) { return (nameCharClass[c] & NameStartMask) != 0; };
    auto name = [](u16 c) { return (nameCharClass[c] & NameCharMask) != 0; };
    // With the whole table checked against libxml2 (peers/), the counts pin
    // down both masks.
    int names = 0, starts = 0;
    for (unsigned c = 0; c < 0x10000; ++c) {
        names += name(static_cast<u16>(c));
        starts += start(static_cast<u16>(c));
    }
    EXPECT_EQ(starts, 34516);
    EXPECT_EQ(names, 35122);
    for (u16 c : {u'A', u'_', u':', u'\u3042', u'\u4E00'}) EXPECT_TRUE(start(c)) << c;
    for (u16 c : {u'0', u'-', u'.', u'\u00B7', u'\u0300'}) {
        EXPECT_FALSE(start(c)) << c;
        EXPECT_TRUE(name(c)) << c;
    }
    EXPECT_FALSE(name(u' '));
}

} // namespace
