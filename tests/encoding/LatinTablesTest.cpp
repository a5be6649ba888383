#include "encoding/tables/LatinTables.h"
#include "tests/encoding/GlibcIconv.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>

using namespace ZUM;
using namespace ZUM::test;
using ::testing::IsEmpty;

namespace {

constexpr u16 None = CodeTable::Unmapped;
constexpr int Parts[13] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 14, 15};

} // namespace

// Against glibc, byte by byte. Our part 7 predates the euro, drachma and
// ypogegrammeni, our part 8 the MACRON at AF and the directional marks.
TEST(LatinTables, Iso8859AgainstGlibc) {
    std::map<int, std::vector<Difference>> expected = {
        {7, {{0xA4, None, 0x20AC}, {0xA5, None, 0x20AF}, {0xAA, None, 0x037A}}},
        {8, {{0xAF, 0x203E, 0x00AF}, {0xFD, None, 0x200E}, {0xFE, None, 0x200F}}},
    };
    for (int i = 0; i < 13; ++i) {
        const std::string name = "ISO-8859-" + std::to_string(Parts[i]);
        const Reference glibc = glibcDecoder(name.c_str());
        std::vector<Difference> found;
        for (u16 byte = 0; byte <= 0xFF; ++byte) {
            const u16 ours = iso8859ToUcs2[i][byte];
            EXPECT_TRUE(byte >= 0xA0 || ours == byte) << name;
            if (ours != glibc(byte)) found.push_back({byte, ours, glibc(byte)});
        }
        EXPECT_EQ(found, expected[Parts[i]]) << name;
    }
    EXPECT_EQ(iso8859ToUcs2[4][0xB0], 0x0410); // part 5
    EXPECT_EQ(iso8859ToUcs2[6][0xA4], None);   // part 7
    EXPECT_EQ(iso8859ToUcs2[7][0xAF], 0x203E); // part 8
}

TEST(LatinTables, Windows1252AndLatin1) {
    EXPECT_EQ(mappedCount(cp1252ToUcs2Table), 251);
    EXPECT_EQ(mappedCount(ucs2ToCp1252Table), 251);
    EXPECT_EQ(mappedCount(ucs2ToLatin1Table), 256);
    EXPECT_EQ(cp1252ToUcs2Table.lookup(0x80), 0x20AC);
    EXPECT_EQ(ucs2ToCp1252Table.lookup(0x20AC), 0x80);
    EXPECT_EQ(cp1252ToUcs2Table.lookup(0x81), None);
    EXPECT_EQ(ucs2ToLatin1Table.lookup(0x0100), None);
    EXPECT_THAT(differences(cp1252ToUcs2Table, glibcDecoder("CP1252"), 0xFF), IsEmpty());
    EXPECT_THAT(differences(ucs2ToCp1252Table, glibcEncoder("CP1252")), IsEmpty());
    EXPECT_THAT(differences(ucs2ToLatin1Table, glibcEncoder("ISO-8859-1")), IsEmpty());
}
