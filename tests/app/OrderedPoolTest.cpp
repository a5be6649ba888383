#include "app/OrderedPool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstddef>
#include <vector>

namespace {

struct Work {
    std::size_t index;
    bool finished = false;
};

// Many tasks, finishing threads that take their time as a disk would: every
// result is finished once and delivered once, in order, and no task begins
// further ahead of the delivery than the window allows.
TEST(OrderedPool, FinishesEveryResultAndDeliversInOrderWithinTheWindow) {
    for (const unsigned finishers : {0u, 3u}) {
        constexpr std::size_t Count = 300;
        constexpr unsigned Workers = 2;
        std::atomic<std::size_t> delivered{0}, furthest{0}, finishes{0};
        std::vector<std::size_t> order;
        OrderedPool<Work>::run(
            Count, Workers, finishers,
            [&](std::size_t i) {
                const std::size_t ahead = i - delivered.load();
                for (std::size_t seen = furthest.load(); ahead > seen;)
                    furthest.compare_exchange_weak(seen, ahead);
                return Work{i};
            },
            [&](Work& work) {
                if (work.index % 7 == 0) std::this_thread::sleep_for(std::chrono::microseconds(200));
                work.finished = true;
                ++finishes;
            },
            [&](std::size_t i, Work& work) {
                EXPECT_EQ(work.index, i);
                EXPECT_TRUE(work.finished) << i;
                order.push_back(i);
                delivered = i + 1;
            });
        EXPECT_EQ(finishes.load(), Count) << finishers;
        ASSERT_EQ(order.size(), Count);
        for (std::size_t i = 0; i < Count; ++i) ASSERT_EQ(order[i], i);
        EXPECT_LE(furthest.load(), Workers + OrderedPool<Work>::Ahead) << finishers;
    }
}

} // namespace
