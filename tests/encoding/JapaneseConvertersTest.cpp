#include <gtest/gtest.h>

#include "encoding/FromEucJpToSjis.h"
#include "encoding/FromSjisToEucJp.h"
#include "encoding/FromUcs2ToEucJp.h"
#include "encoding/Iso2022JpDecoder.h"
#include "encoding/Iso2022JpEncoder.h"
#include "encoding/JisDecoder.h"
#include "encoding/TableEncoder.h"
#include "tests/encoding/Harness.h"

using namespace ZUM;
using namespace ZUM::test;

namespace {

// What a converter of class C makes of `bytes`, as units and as bytes.
template <class C>
Units decode(const std::string& bytes) {
    return convert<C>(bytesOf(bytes), Width8);
}
template <class C>
std::string recode(const std::string& bytes) {
    return stringOf(decode<C>(bytes));
}

} // namespace

// The readings of each code are compared with glibc in peers/; here the
// bytes that start nothing, and the end of input.
TEST(ShiftJis, StrayBytesAndTheEndOfInput) {
    // Shift_JIS skips high bytes that start nothing; CP932 pairs them.
    EXPECT_EQ(decode<FromSjisToUcs2>("\x80\xA0\xFF\x41"), Units{0x41});
    EXPECT_EQ(decode<FromCp932ToUcs2>("\xF0\x40\x41"), (Units{0xFFFF, 0x41}));
    EXPECT_EQ(decode<FromSjisToUcs2>("\x01\x7F\xB1"), (Units{0x01, 0x7F, 0xFF71}));
    EXPECT_EQ(decode<FromSjisToUcs2>("A\x82"), Units{0x41}); // a lead byte at the end is dropped
}

TEST(EucJp, ArithmeticWithShiftJis) {
    EXPECT_EQ(recode<FromSjisToEucJp>("\x82\xA0\x81\x40\x41\xB1"), "\xA4\xA2\xA1\xA1\x41\x8E\xB1");
    EXPECT_EQ(recode<FromEucJpToSjis>("\xA4\xA2\x8E\xB1\x8F\xB0\xA1\x41"), "\x82\xA0\xB1\x41");
    EXPECT_EQ(recode<FromEucJpToSjis>("\x80\xA0\xFF"), std::string(3, '\0'));
    EXPECT_EQ(recode<FromEucJpToSjis>("A\xA4"), "A");
    EXPECT_EQ(stringOf(convert<FromUcs2ToEucJp>({0xFF71, 0x203E, 0xA5, 0x5C, 0x3042}, Width16)),
              "\x8E\xB1\x7E\x5C\x5C\xA4\xA2");
}

TEST(Iso2022Jp, DesignatesOnlyWhenTheSetChanges) {
    EXPECT_EQ(recode<FromSjisToIso2022Jp>("A\x82\xA0\x41"), "A\x1B$B\x24\x22\x1B(BA");
    EXPECT_EQ(recode<FromSjisToIso2022Jp>("\x82\xA0\x82\xA2"), "\x1B$B\x24\x22\x24\x24\x1B(B");
    // Katakana cannot be written; a lead without a trail gives 0; end of
    // input inside a character still returns to ASCII.
    EXPECT_EQ(recode<FromSjisToIso2022Jp>("\xB1\x82 "), std::string("\0", 1));
    EXPECT_EQ(recode<FromSjisToIso2022Jp>("\x82\xA0\x82"), "\x1B$B\x24\x22\x1B(B");
    EXPECT_EQ(recode<FromEucJpToIso2022Jp>("\xA4\xA2\x8E\xB1\x8F\xB0\xA1\x41"),
              "\x1B$B\x24\x22\x1B(BA");
    EXPECT_EQ(stringOf(convert<FromUcs2ToIso2022Jp>({0xA5, 0x203E, 0x3042, 0x41, 0xFF71}, Width16)),
              "\x1B(J\x5C\x7E\x1B$B\x24\x22\x1B(BA");

    const std::string stream = "\x1B$B\x24\x22\x1B(B\x41\x1B(J\x5C\x1B$@\x30\x21";
    EXPECT_EQ(recode<FromIso2022JpToEucJp>(stream), "\xA4\xA2\x41\x5C\xB0\xA1");
    EXPECT_EQ(recode<FromIso2022JpToSjis>(stream), "\x82\xA0\x41\x5C\x88\x9F");
    EXPECT_EQ(recode<FromIso2022JpToSjis>("\x1B(I\x41\x1Bx\x42"), "AB"); // unknown escapes ignored
}

// Reset leaves JIS X 0208 for ASCII, so the set is designated again; the
// bytes pending of the last stream are gone.
TEST(Iso2022Jp, ResetReturnsToAscii) {
    const Units kanji = bytesOf("\x82\xA0\x82\xA2");
    FromSjisToIso2022Jp writer; // 4 units in: ESC $ B 24
    EXPECT_EQ(stringOf(afterReset(writer, kanji, Width8, 4, kanji)),
              "\x1B$B\x24\x22\x24\x24\x1B(B");
    FromIso2022JpToEucJp reader;
    EXPECT_EQ(
        stringOf(afterReset(reader, bytesOf("\x1B$B\x24\x22"), Width8, 1, bytesOf("\x24\x22"))),
        "\x24\x22");
}
// Pairs and single bytes at every offset around the end of the first
// read-ahead block come out as the single-unit path reads them.
TEST(ShiftJis, PairsCutByTheReadAheadBlock) {
    for (std::size_t prefix = 1016; prefix < 1028; ++prefix) {
        std::string bytes(prefix, 'a');
        Units units(prefix, 'a');
        for (int i = 0; i < 700; ++i) {
            bytes += "\x82\xA0\xB1\x80";
            units.insert(units.end(), {0x3042, 0xFF71});
        }
        EXPECT_EQ(decode<FromSjisToUcs2>(bytes), units) << prefix;
        decode<FromCp932ToUcs2>(bytes); // block and single reads agree
    }
}
