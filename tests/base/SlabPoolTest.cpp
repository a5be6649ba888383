#include "base/SlabPool.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <vector>

using namespace ZUM;

TEST(SlabPool, CellsAreDistinctAlignedAndReused) {
    std::vector<void*> cells;
    std::set<void*> distinct;
    for (int i = 0; i < 100000; ++i) { // more than one slab's worth
        const std::size_t bytes = 8 + static_cast<std::size_t>(i % 300);
        void* cell = SlabPool::allocate(bytes);
        ASSERT_EQ(reinterpret_cast<std::uintptr_t>(cell) % 16, 0u);
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
