#include "xml/XMLParseError.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace ZUM;

namespace {

TEST(XMLParseErrorTest, CatalogueHoldsEveryNumberWithItsOwnText) {
    int catalogued = 0;
    for (int n = XMLParseError::FirstNumber; n <= XMLParseError::LastNumber; ++n) {
        if (!XMLParseError::isCatalogued(n)) continue;
        ++catalogued;
        XMLParseError e = XMLParseError::numbered(n);
        EXPECT_EQ(e.number, n);
        EXPECT_GT(std::strlen(e.message), 0u);
    }
    EXPECT_EQ(catalogued, 80 - 8); // 101 to 180 without 160 to 166 and 172
    EXPECT_FALSE(XMLParseError::isCatalogued(160));
    EXPECT_FALSE(XMLParseError::isCatalogued(100));
    EXPECT_STREQ(XMLParseError::numbered(ErrNameStart).message, "can't get NameTop.");
    EXPECT_STREQ(XMLParseError::numbered(ErrVersionApostrophe).message, "can't find \"'\".");
    EXPECT_STREQ(XMLParseError::numbered(ErrMixedCloseStar).message,
                 "ELEMENT definition syntax error. can't find close brace ')*'.");
    EXPECT_STREQ(XMLParseError::numbered(ErrPubidApostrophe).message,
                 "can't find publid literal colose '");
}

} // namespace
