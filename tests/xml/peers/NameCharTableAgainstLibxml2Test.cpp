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

TEST(NameCharTableAgainstLibxml2, EveryUnitMatchesTheReferenceClasses) {
    int differences = 0;
    for (unsigned c = 0; c < 0x10000; ++c) {
        if (nameCharClass[c] != referenceClass(c) && ++differences <= 5)
            ADD_FAILURE() << std::hex << "U+" << c << ": " << int(nameCharClass[c]) << " vs "
                          << int(referenceClass(c));
    }
    EXPECT_EQ(differences, 0);
}

} // namespace
