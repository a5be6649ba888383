#include "base/FixedMemIFlow.h"
#include "base/MemOFlow.h"

#include <gtest/gtest.h>

#include "tests/IOExpect.h"

using namespace ZUM;

namespace {
constexpr const char* FixedTag = "base/FixedMemIFlow";
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
    EXPECT_TRUE(flow.isOpen());
    EXPECT_IO_ERROR(flow.read8(), IOException::EndOfInput, FixedTag);
    EXPECT_TRUE(flow.reset());
    EXPECT_IO_ERROR(flow.read8(), IOException::EndOfInput, FixedTag);
    EXPECT_TRUE(flow.close());
    EXPECT_IO_ERROR(flow.read8(), IOException::NotOpen, FixedTag);

    FixedMemIFlow none(static_cast<const MemBlock*>(nullptr));
    EXPECT_FALSE(none.isOpen());
    EXPECT_FALSE(none.isAtStart());
    EXPECT_IO_ERROR(none.read16(), IOException::NotOpen, FixedTag);
}

TEST(MemOFlow, GrowsToExactlyTheSizeNeeded) {
    MemOFlow flow;
    const MemBlock* block = flow.memBlock();
    EXPECT_EQ(block->capacity, 10u);
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
}

TEST(MemOFlow, ResetCloseAndBorrowedBlocks) {
    MemOFlow flow;
    flow.write16(0x0201);
    EXPECT_FALSE(flow.isAtStart());
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
