#include "base/Conveyer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

#include "base/FixedMemIFlow.h"
#include "base/MemOFlow.h"
#include "base/StringIFlow.h"
#include "tests/IOExpect.h"

using namespace ZUM;

namespace {

using Writes = std::vector<std::pair<int, u32>>;

// Delivers a list of units in any width of its mask, recording each read's width.
struct ListIFlow : IFlow {
    ListIFlow(int widths, std::vector<u32> units) : IFlow(true, widths), units(std::move(units)) {}
    u8 read8() override { return static_cast<u8>(next(8)); }
    u16 read16() override { return static_cast<u16>(next(16)); }
    u32 read32() override { return next(32); }
    u32 next(int bits) {
        reads.push_back(bits);
        if (reads.size() > units.size()) throw IOException("test/List", 1, IOException::EndOfInput);
        return units[reads.size() - 1];
    }
    std::vector<u32> units;
    std::vector<int> reads;
};

// Records writes as (width, unit) and flushes; write number `failOn` fails.
struct RecordingOFlow : OFlow {
    explicit RecordingOFlow(int widths, std::size_t failOn = 0)
        : OFlow(true, widths), failOn(failOn) {}
    void flush() override { ++flushes; }
    void write8(u8 unit) override { record(8, unit); }
    void write16(u16 unit) override { record(16, unit); }
    void write32(u32 unit) override { record(32, unit); }
    void record(int bits, u32 unit) {
        if (writes.size() + 1 == failOn)
            throw IOException("test/Recording", 77, IOException::WriteRefused);
        writes.emplace_back(bits, unit);
    }
    Writes writes;
    int flushes = 0;
    std::size_t failOn;
};

} // namespace

TEST(Conveyer, PumpsInTheNarrowestCommonWidth) {
    ListIFlow source(Width8 | Width16, {0x41, 0x3042});
    RecordingOFlow destination(Width16 | Width32);
    Conveyer{&source, &destination}.pump();
    EXPECT_EQ(destination.writes, (Writes{{16, 0x41}, {16, 0x3042}}));
    EXPECT_EQ(destination.flushes, 1);

    ListIFlow wide(Width32, {0x1F600});
    RecordingOFlow any(WidthAny);
    Conveyer{&wide, &any}.pump();
    EXPECT_EQ(any.writes, (Writes{{32, 0x1F600}}));

    ListIFlow empty(WidthAny, {});
    RecordingOFlow untouched(WidthAny);
    Conveyer{&empty, &untouched}.pumpBytes();
    EXPECT_TRUE(untouched.writes.empty());
    EXPECT_EQ(untouched.flushes, 1); // an empty source is still flushed once
}

TEST(Conveyer, RefusesWithoutReadingWhenNothingFits) {
    ListIFlow source(Width16, {1});
    RecordingOFlow destination(Width8);
    EXPECT_IO_ERROR(Conveyer(&source, &destination).pump(), IOException::NoCommonWidth,
                    "base/Conveyer");
    EXPECT_IO_ERROR(Conveyer(&source, &destination).pumpBytes(), IOException::NoCommonWidth,
                    "base/Conveyer"); // the source has no bytes
    ListIFlow bytes(Width8, {1});
    RecordingOFlow wide(Width16);
    EXPECT_IO_ERROR(Conveyer(&bytes, &wide).pumpBytes(), IOException::NoCommonWidth,
                    "base/Conveyer");
    EXPECT_TRUE(source.reads.empty());
    EXPECT_TRUE(bytes.reads.empty());
    EXPECT_EQ(destination.flushes + wide.flushes, 0);

    EXPECT_IO_ERROR(Conveyer(nullptr, nullptr).pump(), IOException::NoSource, "base/Conveyer");
    EXPECT_IO_ERROR(Conveyer(&source, nullptr).pumpBytes(), IOException::NoDestination,
                    "base/Conveyer");
}

TEST(Conveyer, FailuresPassOnUnchangedAndUnflushed) {
    ListIFlow source(WidthAny, {1, 2, 3, 4});
    RecordingOFlow destination(WidthAny, 3);
    try {
        Conveyer{&source, &destination}.pump();
        ADD_FAILURE() << "the third write should fail";
    } catch (const IOException& e) {
        EXPECT_STREQ(e.file, "test/Recording");
        EXPECT_EQ(e.line, 77);
        EXPECT_EQ(e.code, IOException::WriteRefused);
    }
    EXPECT_EQ(destination.writes, (Writes{{8, 1}, {8, 2}}));
    EXPECT_EQ(destination.flushes, 0);

    // A failing source: a closed string.
    Utf16String text(u"a");
    StringIFlow<u16> narrowOnly(&text);
    RecordingOFlow bytes(WidthAny);
    narrowOnly.close();
    EXPECT_IO_ERROR(Conveyer(&narrowOnly, &bytes).pump(), IOException::NotOpen, "base/StringIFlow");
    EXPECT_EQ(bytes.flushes, 0);
}

TEST(Conveyer, PumpBytesCopiesMemoryExactly) {
    u8 bytes[300];
    for (int i = 0; i < 300; ++i) bytes[i] = static_cast<u8>(i * 7);
    FixedMemIFlow source(bytes, sizeof bytes);
    MemOFlow destination;
    Conveyer{&source, &destination}.pumpBytes();
    const MemBlock* block = destination.memBlock();
    ASSERT_EQ(block->size, 300u);
    EXPECT_EQ(block->capacity, 300u);
    EXPECT_EQ(0, std::memcmp(block->data, bytes, 300));
}
