#include <gtest/gtest.h>

#include "base/FixedMemIFlow.h"
#include "encoding/MarkDirectedReader.h"
#include "encoding/MarkEmitter.h"
#include "encoding/MarkRemover.h"
#include "encoding/SurrogateCombiner.h"
#include "encoding/SurrogateSplitter.h"
#include "encoding/SwappingConverter.h"
#include "encoding/UnitRangeConverter.h"
#include "encoding/Utf8Decoder.h"
#include "encoding/Utf8Encoder.h"
#include "tests/encoding/Harness.h"

using namespace ZUM;
using namespace ZUM::test;

namespace {

// A character of each UTF-8 width, as bytes and as units.
const struct {
    const char* bytes;
    std::u16string units;
} pieces[] = {
    {"\xC3\xA9", u"\u00E9"}, {"\xE3\x81\x82", u"\u3042"}, {"\xF0\x9F\x98\x80", u"\U0001F600"}};

} // namespace

TEST(Utf8, MarksSurrogatesRangesAndTruncation) {
    EXPECT_EQ(convert<FromUtf16NToUtf8>({}, Width16), bytesOf("\xEF\xBB\xBF"));
    EXPECT_EQ(convert<FromUtf16NToUtf8>({0x41}, Width16), bytesOf("\xEF\xBB\xBF\x41"));
    // A high surrogate takes the unit after it down with it.
    EXPECT_EQ(convert<FromUtf16NToUtf8N>({0xD83D, 0x41, 0x42}, Width16), bytesOf("B"));
    EXPECT_EQ(convert<FromUtf16NToUtf8N>({0x41, 0xD83D}, Width16), bytesOf("A"));
    EXPECT_EQ(convert<FromUtf16NToUtf8N>({0xDE00}, Width16), bytesOf("\xED\xB8\x80"));
    // UCS-2 knows no pairs: each surrogate is a character of its own.
    EXPECT_EQ(convert<FromUcs2ToUtf8N>({0xD83D, 0xDE00}, Width16),
              bytesOf("\xED\xA0\xBD\xED\xB8\x80"));

    EXPECT_EQ(convert<FromUtf8ToUtf16N>(bytesOf("\xEF\xBB\xBF\x41"), Width8), Units{0x41});
    EXPECT_EQ(convert<FromUtf8ToUtf16N>(bytesOf("A\xEF\xBB\xBF"), Width8), (Units{0x41, 0xFEFF}));
    EXPECT_EQ(convert<FromUtf8ToUtf16N>(bytesOf("\xF4\x90\x80\x80\x41"), Width8), Units{0x41});
    EXPECT_EQ(convert<FromUtf8ToUtf16N>(bytesOf("\xC1\x81"), Width8), Units{0x41}); // overlong
    // End of input inside a sequence drops it.
    EXPECT_EQ(convert<FromUtf8ToUtf16N>(bytesOf("A\xE3\x81"), Width8), Units{0x41});
    EXPECT_EQ(convert<FromUtf8ToUtf16N>(bytesOf("\xF0\x9F\x98"), Width8), Units{});

    EXPECT_EQ(convert<FromUtf8NToUcs2>(bytesOf("\xF0\x9F\x98\x80\x41"), Width8), (Units{0, 0x41}));
    EXPECT_EQ(convert<FromUtf8NToUcs2>(bytesOf("\xEF\xBB\xBF"), Width8), Units{0xFEFF});
}

TEST(ByteOrderMarks, EmittedOnEveryStartRemovedOnceOrObeyed) {
    EXPECT_EQ(convert<FromUtf16NToUtf16>({}, Width16), Units{0xFEFF});
    EXPECT_EQ(convert<FromUtf16BeToUtf16BeBom>({0x4100}, Width16), (Units{0xFFFE, 0x4100}));
    EXPECT_EQ(convert<FromUtf32BeToUtf32BeBom>({}, Width32), Units{0xFFFE0000});
    EXPECT_EQ(convert<FromUtf32NToUtf32>({0x41}, Width32), (Units{0xFEFF, 0x41}));

    EXPECT_EQ(convert<FromUtf16LeToUtf16N>({0xFEFF, 0xFEFF, 0x41}, Width16), (Units{0xFEFF, 0x41}));
    EXPECT_EQ(convert<FromUtf16BeBomToUtf16Be>({0xFFFE, 0x4100}, Width16), Units{0x4100});
    EXPECT_EQ(convert<FromUtf32BeBomToUtf32Be>({0xFFFE0000}, Width32), Units{});
    EXPECT_EQ(convert<FromUtf16BeToUtf16N>({0xFFFE, 0x4100, 0xFFFE}, Width16),
              (Units{0x0041, 0xFEFF}));
    // The UTF-8 mark goes only whole; a part of it stays, in order.
    const std::pair<const char*, const char*> utf8[] = {
        {"\xEF\xBB\xBF\x41", "A"},          {"\xEF\xBB\x41", "\xEF\xBB\x41"},
        {"\xEF\x41", "\xEF\x41"},           {"\xEF\xBB\xBF\xEF\xBB\xBF", "\xEF\xBB\xBF"},
        {"A\xEF\xBB\xBF", "A\xEF\xBB\xBF"},
    };
    for (const auto& [input, output] : utf8) {
        EXPECT_EQ(convert<FromUtf8ToUtf8N>(bytesOf(input), Width8), bytesOf(output)) << input;
    }
    EXPECT_EQ(convert<FromUtf8NToUtf8>(bytesOf("A"), Width8), bytesOf("\xEF\xBB\xBF\x41"));
    // The mark-directed readers decide each stream afresh.
    EXPECT_EQ(convert<FromUtf16ToUtf16N>({0xFFFE, 0x4100}, Width16), Units{0x41});
    EXPECT_EQ(convert<FromUtf16ToUtf16N>({0xFEFF, 0x4100}, Width16), Units{0x4100});
    EXPECT_EQ(convert<FromUtf16ToUtf16N>({0x41}, Width16), Units{0x41});
    EXPECT_EQ(convert<FromUtf32ToUtf32N>({0xFFFE0000, 0x41000000}, Width32), Units{0x41});

    // A big-endian stream, then an unmarked one on the same reader: native.
    FromUtf16ToUtf16N reader;
    EXPECT_EQ(drain(reader, {0xFFFE, 0x4100}, Width16), Units{0x41});
    EXPECT_EQ(drain(reader, {0x4100}, Width16), Units{0x4100});
}

TEST(FixedWidthForms, RangesSurrogatesAndWidths) {
    EXPECT_EQ(convert<FromUcs4ToUsAscii>({0x41, 0xE9, 0x42}, Width32), (Units{0x41, 0x42}));
    EXPECT_EQ(convert<FromUsAsciiToUcs2>({0x41, 0xE9}, Width8), (Units{0x41, 0xE9}));
    EXPECT_EQ(convert<FromUcs4ToUcs2>({0x41, 0x1F600, 0xFFFF}, Width32), (Units{0x41, 0xFFFF}));
    EXPECT_EQ(convert<FromUcs4ToUtf32N>({0x10FFFF, 0x110000}, Width32), Units{0x10FFFF});
    EXPECT_EQ(convert<FromUcs2ToUcs2Be>({0x1234}, Width16), Units{0x3412});
    EXPECT_EQ(convert<FromUcs4BeToUcs4>({0x78563412}, Width32), Units{0x12345678});

    EXPECT_EQ(convert<FromUtf16NToUtf32N>({0xD83D, 0xDE00, 0xDC00, 0xD800, 0x41, 0x42}, Width16),
              (Units{0x1F600, 0xDC00, 0x42}));
    EXPECT_EQ(convert<FromUtf16NToUtf32N>({0x41, 0xD83D}, Width16), Units{0x41});
    EXPECT_EQ(convert<FromUtf32NToUtf16N>({0x1F600, 0x110000, 0xFEFF}, Width32),
              (Units{0xD83D, 0xDE00, 0xFEFF}));
    EXPECT_EQ(convert<FromUcs4ToUtf16N>({0xFEFF, 0x41, 0xFEFF}, Width32), (Units{0x41, 0xFEFF}));

    // The width changers without pending units deliver their own width and
    // pass the others through from their source.
    const u8 bytes[] = {0x41, 0x42};
    FixedMemIFlow source(bytes, 2);
    FromUsAsciiToUcs4 widen;
    widen.attach(&source);
    EXPECT_EQ(widen.unitWidths(), Width32);
    EXPECT_EQ(widen.acceptedUnitWidths(), WidthAny);
    EXPECT_EQ(widen.read32(), 0x41u);
    EXPECT_EQ(widen.read8(), 0x42);
}

// The many-unit reads convert whole characters of each read-ahead block and
// leave a character cut by the block's end to the single-unit path: every
// kind of character at every offset around the first block's end.
TEST(BlockReads, CharactersCutByTheReadAheadBlock) {
    for (const auto& piece : pieces) {
        for (std::size_t prefix = 1016; prefix < 1028; ++prefix) {
            std::string bytes(prefix, 'a');
            std::u16string units(prefix, u'a');
            for (int i = 0; i < 700; ++i) {
                bytes += piece.bytes;
                units += piece.units;
            }
            EXPECT_EQ(convert<FromUtf8ToUtf16N>(bytesOf(bytes), Width8), unitsOf(units)) << prefix;
            EXPECT_EQ(convert<FromUtf16NToUtf8N>(unitsOf(units), Width16), bytesOf(bytes))
                << prefix;
            EXPECT_EQ(convert<FromUcs2ToUtf16N>(unitsOf(units), Width16), unitsOf(units));
        }
    }
}

// ASCII is carried by blocks and words: a character of every width at every
// offset of runs around the block sizes, between ASCII before and after.
TEST(BlockReads, AsciiRunsBrokenAtEveryOffset) {
    for (const auto& piece : pieces) {
        for (std::size_t before = 0; before < 40; ++before) {
            const std::string bytes = std::string(before, 'a') + piece.bytes + std::string(35, 'b');
            const std::u16string units =
                std::u16string(before, u'a') + piece.units + std::u16string(35, u'b');
            EXPECT_EQ(convert<FromUtf8ToUtf16N>(bytesOf(bytes), Width8), unitsOf(units)) << before;
            EXPECT_EQ(convert<FromUtf16NToUtf8N>(unitsOf(units), Width16), bytesOf(bytes))
                << before;
        }
    }
    // A unit whose only high bits lie outside a byte, such as U+0100, is not ASCII.
    const std::u16string units = std::u16string(20, u'a') + u"\u0100" + std::u16string(20, u'a');
    EXPECT_EQ(convert<FromUtf16NToUtf8N>(unitsOf(units), Width16),
              bytesOf(std::string(20, 'a') + "\xC4\x80" + std::string(20, 'a')));
}
