#include "xml/tables/NameCharTable.h"

#include <gtest/gtest.h>
#include <libxml/chvalid.h>

using namespace ZUM;

namespace {

// The class byte libxml2's own character-class tables give a code unit.
u8 referenceClass(unsigned c) {
    u8 bits = (xmlIsBaseCharQ(c) ? 0x01 : 0) | (xmlIsIdeographicQ(c) ? 0x02 : 0) |
              (xmlIsCombiningQ(c) ? 0x04 : 0) | (xmlIsDigitQ(c) ? 0x08 : 0) |
              (xmlIsExtenderQ(c) ? 0x10 : 0);
    if (c == '-' || c == '.' || c == '_') bits |= 0x20;
    if (c == '_') bits |= 0x40;
    if (c == ':') bits |= 0x80;
    return bits;
}

TEST(NameCharTableTest, EveryUnitMatchesTheReferenceClasses) {
    int differences = 0;
    for (unsigned c = 0; c < 0x10000; ++c) {
        if (nameCharClass[c] != referenceClass(c) && ++differences <= 5)
            ADD_FAILURE() << std::hex << "U+" << c << ": " << int(nameCharClass[c]) << " vs "
                          << int(referenceClass(c));
    }
    EXPECT_EQ(differences, 0);
}

TEST(NameCharTableTest, MasksSplitNameStartFromNameCharacters) {
    auto start = [](u16 c) { return (nameCharClass[c] & NameStartMask) != 0; };
    auto name = [](u16 c) { return (nameCharClass[c] & NameCharMask) != 0; };
    // With the whole table checked above, the counts pin down both masks.
    int names = 0, starts = 0;
    for (unsigned c = 0; c < 0x10000; ++c) {
        names += name(static_cast<u16>(c));
        starts += start(static_cast<u16>(c));
    }
    EXPECT_EQ(starts, 34516);
    EXPECT_EQ(names, 35122);
}

} // namespace
