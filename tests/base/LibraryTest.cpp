#include "base/Library.h"
#include "base/SlabPool.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>
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

TEST(SlabPool, CellsAreDistinctAlignedAndReused) {
    std::vector<void*> cells;
    std::set<void*> distinct;
    for (int i = 0; i < 100000; ++i) { // more than one slab's worth
        const std::size_t bytes = 8 + static_cast<std::size_t>(i % 300);
        void* cell = SlabPool::allocate(bytes);
        ASSERT_EQ(reinterpret_cast<std::uintptr_t>(cell) % SlabPool::CellAlignment, 0u);
        std::memset(cell, 0xA5, bytes);
        cells.push_back(cell);
        distinct.insert(cell);
    }
    EXPECT_EQ(distinct.size(), cells.size());
    for (std::size_t i = 0; i < cells.size(); ++i) SlabPool::release(cells[i], 8 + i % 300);
    // A freed cell serves the next object of its size class.
    void* again = SlabPool::allocate(40);
    EXPECT_EQ(distinct.count(again), SlabPool::isPooling() ? 1u : distinct.count(again));
    SlabPool::release(again, 40);
    SlabPool::release(nullptr, 16);
}
