#include "base/Library.h"

#include <gtest/gtest.h>

#include <string>

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
