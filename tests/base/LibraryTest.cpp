#include "base/Library.h"
#include "base/SlabPool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

using namespace ZUM;

namespace {

std::string calls;
bool failSlot3 = false;

template <int Slot>
bool record(bool start) {
    calls += (start ? "+" : "-") + std::to_string(Slot);
    return !(Slot == 3 && start && failSlot3);
}

ModuleTable filledTable() {
    ModuleTable table;
    table.set(6, record<6>);
    table.set(0, record<0>);
    table.set(5, record<5>);
    table.set(3, record<3>);
    return table;
}

} // namespace

TEST(ModuleTable, StartsAndStopsFilledSlotsInSlotOrderOnce) {
    calls.clear();
    ModuleTable table = filledTable();
    EXPECT_FALSE(table.stop()); // stop before start calls nothing
    EXPECT_EQ(calls, "");
    EXPECT_TRUE(table.start());
    EXPECT_TRUE(table.start());
    EXPECT_EQ(calls, "+0+3+5+6");
    calls.clear();
    EXPECT_TRUE(table.stop());
    EXPECT_TRUE(table.stop());
    EXPECT_EQ(calls, "-0-3-5-6");
}

TEST(ModuleTable, FailingStartStopsTheWalkAndMayBeRetried) {
    calls.clear();
    failSlot3 = true;
    ModuleTable table = filledTable();
    EXPECT_FALSE(table.start());
    EXPECT_EQ(calls, "+0+3");
    EXPECT_FALSE(table.isStarted());
    failSlot3 = false;
    calls.clear();
    EXPECT_TRUE(table.start());
    EXPECT_EQ(calls, "+0+3+5+6");
}

// Cells come from the front of a slab and blocks from its back: none may
// overlap another, however the two interleave across slabs.
TEST(SlabPool, CellsAndBlocksAreDisjointAlignedAndReused) {
    struct Piece {
        unsigned char* at;
        std::size_t bytes;
        unsigned char fill;
    };
    std::vector<Piece> pieces;
    for (int i = 0; i < 100000; ++i) { // more than one slab's worth
        const bool block = i % 500 == 0;
        const std::size_t bytes = block ? SlabPool::BlockBytes : 8 + static_cast<std::size_t>(i % 300);
        auto* at = static_cast<unsigned char*>(block ? SlabPool::allocateBlock()
                                                     : SlabPool::allocate(bytes));
        ASSERT_EQ(reinterpret_cast<std::uintptr_t>(at) % SlabPool::CellAlignment, 0u);
        const auto fill = static_cast<unsigned char>(i * 7 + 1);
        std::memset(at, fill, bytes);
        pieces.push_back({at, bytes, fill});
    }
    for (const Piece& piece : pieces)
        ASSERT_TRUE(std::all_of(piece.at, piece.at + piece.bytes,
                                [&](unsigned char b) { return b == piece.fill; }));
    for (const Piece& piece : pieces) {
        if (piece.bytes == SlabPool::BlockBytes)
            SlabPool::releaseBlock(piece.at);
        else
            SlabPool::release(piece.at, piece.bytes);
    }
    // A freed cell or block serves the next one of its size.
    void* again = SlabPool::allocate(40);
    void* block = SlabPool::allocateBlock();
    if (SlabPool::isPooling()) {
        const auto found = [&](void* at) {
            for (const Piece& piece : pieces)
                if (piece.at == at) return true;
            return false;
        };
        EXPECT_TRUE(found(again));
        EXPECT_TRUE(found(block));
    }
    SlabPool::release(again, 40);
    SlabPool::releaseBlock(block);
    SlabPool::release(nullptr, 16);
    SlabPool::releaseBlock(nullptr);
}
