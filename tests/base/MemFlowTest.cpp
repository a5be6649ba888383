#include "base/FixedMemIFlow.h"
#include "base/MemOFlow.h"

#include <gtest/gtest.h>

#include "tests/IOExpect.h"

using namespace ZUM;

namespace {
constexpr const char* FixedTag = "base/FixedMemIFlow";
constexpr const char* MemTag = "base/MemOFlow";
} // namespace

TEST(FixedMemIFlow, ReadsNativeOrderUntilTooFewBytesRemain) {
    const u8 bytes[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07};
    FixedMemIFlow flow(bytes, sizeof bytes);
    EXPECT_TRUE(flow.isAtStart());
    EXPECT_EQ(flow.read16(), 0x0201);
    EXPECT_FALSE(flow.isAtStart());
    EXPECT_EQ(flow.read32(), 0x06050403u);
    EXPECT_IO_ERROR(flow.read16(), IOException::EndOfInput, FixedTag);
    EXPECT_EQ(flow.read8(), 0x07); // a refused wide read consumes nothing
    EXPECT_IO_ERROR(flow.read8(), IOException::EndOfInput, FixedTag);

    EXPECT_TRUE(flow.reset());
    EXPECT_TRUE(flow.isAtStart());
    EXPECT_EQ(flow.read8(), 0x01);
}

TEST(FixedMemIFlow, ArrayReadsStopQuietlyAtTheEnd) {
    const u8 bytes[] = {1, 2, 3, 4, 5};
    FixedMemIFlow flow(bytes, sizeof bytes);
    u16 units[4] = {};
    u32 got = 99;
    flow.read16Many(4, units, got);
    EXPECT_EQ(got, 2u);
    EXPECT_EQ(units[1], 0x0403);

    u8 rest[10] = {};
    flow.read8Many(10, rest, got);
    EXPECT_EQ(got, 1u);
    EXPECT_EQ(rest[0], 5);
    flow.read8Many(10, rest, got);
    EXPECT_EQ(got, 0u);
}

TEST(FixedMemIFlow, EmptyAndMissingBlocks) {
    MemBlock empty;
    u8 storage = 0x2A;
    empty.data = &storage;
    FixedMemIFlow flow(&empty);
    EXPECT_TRUE(flow.isOpen());
    EXPECT_IO_ERROR(flow.read8(), IOException::EndOfInput, FixedTag);
    EXPECT_TRUE(flow.reset());
    EXPECT_IO_ERROR(flow.read8(), IOException::EndOfInput, FixedTag);

    FixedMemIFlow none(static_cast<const MemBlock*>(nullptr));
    EXPECT_FALSE(none.isOpen());
    EXPECT_FALSE(none.isAtStart());
    EXPECT_FALSE(none.reset());
    EXPECT_IO_ERROR(none.read16(), IOException::NotOpen, FixedTag);
    u32 got = 7;
    EXPECT_IO_ERROR(none.read32Many(1, nullptr, got), IOException::NotOpen, FixedTag);
    EXPECT_EQ(got, 0u);

    EXPECT_TRUE(flow.close());
    EXPECT_FALSE(flow.close());
    EXPECT_IO_ERROR(flow.read8(), IOException::NotOpen, FixedTag);
}

TEST(MemOFlow, GrowsToExactlyTheSizeNeeded) {
    MemOFlow flow;
    const MemBlock* block = flow.memBlock();
    EXPECT_EQ(block->capacity, 10u);
    EXPECT_TRUE(flow.isAtStart());
    for (u8 i = 0; i < 10; ++i) flow.write8(i);
    EXPECT_EQ(block->capacity, 10u);
    flow.write8(10);
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
    EXPECT_FALSE(flow.isAtStart());
}

TEST(MemOFlow, ResetCloseAndBorrowedBlocks) {
    MemOFlow flow;
    flow.write16(0x0201);
    EXPECT_EQ(flow.memBlock()->data[0], 0x01);
    EXPECT_TRUE(flow.reset());
    EXPECT_TRUE(flow.isAtStart());
    EXPECT_EQ(flow.memBlock()->size, 0u);
    EXPECT_TRUE(flow.close());
    EXPECT_EQ(flow.memBlock(), nullptr); // an owned block goes with close
    EXPECT_FALSE(flow.close());
    EXPECT_FALSE(flow.reset());
    EXPECT_IO_ERROR(flow.write8(1), IOException::NotOpen, MemTag);
    u32 written = 9;
    EXPECT_IO_ERROR(flow.write16Many(1, nullptr, written), IOException::NotOpen, MemTag);
    EXPECT_EQ(written, 0u);

    MemBlock* block = MemBlock::create(16);
    {
        MemOFlow borrowing(block, true);
        borrowing.write32(0x04030201);
        EXPECT_TRUE(borrowing.close());
        EXPECT_EQ(borrowing.memBlock(), block);
    }
    EXPECT_EQ(block->size, 4u); // the owner still has it, bytes and all
    EXPECT_EQ(block->capacity, 16u);
    FixedMemIFlow reader(block);
    EXPECT_EQ(reader.read32(), 0x04030201u);
    MemBlock::destroy(block);
}
