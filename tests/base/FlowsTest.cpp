#include "base/Conveyer.h"
#include "base/FixedMemIFlow.h"
#include "base/MemOFlow.h"
#include "base/StringIFlow.h"
#include "base/StringOFlow.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

#include "tests/IOExpect.h"

using namespace ZUM;

namespace {
constexpr const char* FixedTag = "base/FixedMemIFlow";
constexpr const char* StringInTag = "base/StringIFlow";
constexpr const char* StringOutTag = "base/StringOFlow";
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

TEST(FixedMemIFlow, ReadsNativeOrderUntilTooFewBytesRemain) {
    const u8 bytes[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07};
    FixedMemIFlow flow(bytes, sizeof bytes);
    EXPECT_EQ(flow.read16(), 0x0201);
    EXPECT_FALSE(flow.isAtStart());
    EXPECT_EQ(flow.read32(), 0x06050403u);
    EXPECT_IO_ERROR(flow.read16(), IOException::EndOfInput, FixedTag);
    EXPECT_EQ(flow.read8(), 0x07); // a refused wide read consumes nothing

    EXPECT_TRUE(flow.reset());
    EXPECT_TRUE(flow.isAtStart());
    u8 buffer[10] = {};
    u32 got = 0;
    flow.read8Many(10, buffer, got); // short, and quiet about it
    EXPECT_EQ(got, 7u);
    EXPECT_EQ(buffer[6], 0x07);
    flow.read8Many(10, buffer, got);
    EXPECT_EQ(got, 0u);
}

TEST(FixedMemIFlow, EmptyAndMissingBlocks) {
    MemBlock empty;
    u8 storage = 0x2A;
    empty.data = &storage;
    FixedMemIFlow flow(&empty);
    EXPECT_IO_ERROR(flow.read8(), IOException::EndOfInput, FixedTag);
    EXPECT_TRUE(flow.close());
    EXPECT_IO_ERROR(flow.read8(), IOException::NotOpen, FixedTag);

    FixedMemIFlow none(static_cast<const MemBlock*>(nullptr));
    EXPECT_FALSE(none.isAtStart());
    EXPECT_IO_ERROR(none.read16(), IOException::NotOpen, FixedTag);
}

TEST(MemOFlow, GrowsToExactlyTheSizeNeeded) {
    MemOFlow flow;
    const MemBlock* block = flow.memBlock();
    EXPECT_EQ(block->capacity, 10u);
    for (u8 i = 0; i < 11; ++i) flow.write8(i);
    EXPECT_EQ(block->capacity, 11u);
    flow.write8(11);
    EXPECT_EQ(block->capacity, 12u);

    const u32 wide[] = {0x0F0E0D0C, 0x13121110, 0x17161514};
    u32 written = 0;
    flow.write32Many(3, wide, written); // one step, to the exact new size
    EXPECT_EQ(written, 3u);
    EXPECT_EQ(block->capacity, 24u);
    EXPECT_EQ(block->size, 24u);
    for (u8 i = 0; i < 24; ++i) EXPECT_EQ(block->data[i], i);
}

TEST(MemOFlow, ResetCloseAndBorrowedBlocks) {
    MemOFlow flow;
    flow.write16(0x0201);
    EXPECT_TRUE(flow.reset());
    EXPECT_TRUE(flow.isAtStart());
    EXPECT_EQ(flow.memBlock()->size, 0u);
    EXPECT_TRUE(flow.close());
    EXPECT_EQ(flow.memBlock(), nullptr); // an owned block goes with close
    EXPECT_FALSE(flow.close());
    EXPECT_IO_ERROR(flow.write8(1), IOException::NotOpen, "base/MemOFlow");
    u32 written = 9;
    EXPECT_IO_ERROR(flow.write16Many(1, nullptr, written), IOException::NotOpen, "base/MemOFlow");
    EXPECT_EQ(written, 0u);

    MemBlock* block = MemBlock::create(16);
    {
        MemOFlow borrowing(block, true);
        borrowing.write32(0x04030201);
        EXPECT_TRUE(borrowing.close());
    }
    EXPECT_EQ(block->size, 4u); // the owner still has it, bytes and all
    FixedMemIFlow reader(block);
    EXPECT_EQ(reader.read32(), 0x04030201u);
    MemBlock::destroy(block);
}

TEST(StringIFlow, ReadsItsOwnWidthOnly) {
    Utf16String text(u"xy");
    StringIFlow<u16> flow(&text);
    EXPECT_IO_ERROR(flow.read8(), IOException::WidthNotProvided, StringInTag);
    EXPECT_EQ(flow.read16(), u'x');
    EXPECT_EQ(flow.read16(), u'y');
    EXPECT_IO_ERROR(flow.read16(), IOException::EndOfInput, StringInTag);
    EXPECT_TRUE(flow.reset());
    EXPECT_EQ(flow.read16(), u'x');

    EXPECT_TRUE(flow.close());
    EXPECT_FALSE(flow.close());
    EXPECT_IO_ERROR(flow.read16(), IOException::NotOpen, StringInTag);
    StringIFlow<u32> none(static_cast<const TStringPtr<u32>*>(nullptr));
    EXPECT_FALSE(none.isOpen());
}

TEST(StringIFlow, LineReadsKeepTheLineFeedAndReportTheEnd) {
    Utf16String text(u"ab\nc");
    StringIFlow<u16> flow(&text);
    Utf16String line(u"old");
    EXPECT_FALSE(flow.readLine16(line, false));
    EXPECT_EQ(line.compare(Utf16String(u"ab\n")), 0);
    EXPECT_TRUE(flow.readLine16(line, false));
    EXPECT_EQ(line.compare(Utf16String(u"c")), 0);

    const char bytes[] = {'p', 0, 'q'};
    StringIFlow<char> narrow(bytes, 3);
    Utf8String out("=");
    EXPECT_FALSE(narrow.readLine8(out, true)); // a zero unit ends the line unstored
    EXPECT_TRUE(out == "=p");
    EXPECT_TRUE(narrow.readLine8(out, true));
    EXPECT_TRUE(out == "=pq");
    TString<u32> wide; // failures other than the end pass on
    EXPECT_IO_ERROR(narrow.readLine32(wide, false), IOException::WidthNotProvided, StringInTag);
}

TEST(StringOFlow, AppendsItsOwnWidthOnlyAndGrowsOnceForAnArray) {
    Utf8String target("<");
    StringOFlow<char> flow(&target);
    EXPECT_IO_ERROR(flow.write16('x'), IOException::WidthNotProvided, StringOutTag);
    flow.write8('a');
    const u8 bytes[] = {'b', 'c'};
    u32 written = 0;
    flow.write8Many(2, bytes, written);
    EXPECT_EQ(written, 2u);
    EXPECT_TRUE(flow.writeTerminated8("de"));
    EXPECT_TRUE(flow.writeString8(Utf8String("f")));
    EXPECT_TRUE(target == "<abcdef");
    EXPECT_EQ(flow.size(), 7u);
    EXPECT_TRUE(flow.reset());
    EXPECT_EQ(target.length(), 0u);
    EXPECT_TRUE(flow.close());
    EXPECT_IO_ERROR(flow.write8('z'), IOException::NotOpen, StringOutTag);

    TString<u32> wideTarget;
    StringOFlow<u32> wide(&wideTarget);
    u32 units[25];
    for (u32 i = 0; i < 25; ++i) units[i] = 0x10000 + i;
    wide.write32Many(25, units, written);
    EXPECT_EQ(written, 25u);
    EXPECT_EQ(wideTarget.capacityBytes(), 100u);
    EXPECT_EQ(wideTarget[24], 0x10018u);
}

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
