#include "encoding/ConverterTableRow.h"
#include "encoding/RouteTableRow.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

using namespace ZUM;

namespace {

struct Chain {
    bool lossy = false;
    std::vector<int> steps;

    // No lossy step first, then fewest steps, then the smallest numbers from the source.
    bool betterThan(const Chain& other) const {
        if (lossy != other.lossy) return !lossy;
        if (steps.size() != other.steps.size()) return steps.size() < other.steps.size();
        return steps < other.steps;
    }
};

// Walks every chain on from `chain` that visits no id twice, however long, and keeps
// the best one to each id in `best`.
void walk(int at, const Chain& chain, bool (&visited)[40], std::map<int, Chain>& best) {
    for (int number = 0; number < ConverterCount; ++number) {
        const ConverterTableRow& step = converterTable[number];
        if (step.from != at || visited[step.to]) continue;
        Chain longer{chain.lossy || step.lossy, chain.steps};
        longer.steps.push_back(number);
        if (!best.contains(step.to) || longer.betterThan(best[step.to])) best[step.to] = longer;
        visited[step.to] = true;
        walk(step.to, longer, visited, best);
        visited[step.to] = false;
    }
}

std::map<int, Chain> bestChainsFrom(int source) {
    std::map<int, Chain> best;
    bool visited[40] = {};
    visited[source] = true;
    walk(source, Chain{}, visited, best);
    return best;
}

Chain chainOf(const RouteTableRow& row) {
    Chain chain{row.lossy == -1, {}};
    for (int step : row.steps) {
        if (step >= 0) chain.steps.push_back(step);
    }
    // The steps are padded at the end with -1 only.
    for (int i = 0; i < RouteTableRow::MaxSteps; ++i) {
        EXPECT_EQ(row.steps[i] < 0, i >= int(chain.steps.size())) << row.from << "->" << row.to;
    }
    return chain;
}

} // namespace

TEST(RouteTable, EveryPairHoldsTheBestChain) {
    std::map<int, std::map<int, Chain>> table;
    int rows = 0;
    for (const RouteTableRow* row = routeTable; row->from != 0; ++row, ++rows) {
        EXPECT_TRUE(table[row->from].emplace(row->to, chainOf(*row)).second);
        EXPECT_TRUE(row->lossy == 0 || row->lossy == -1);
    }
    EXPECT_EQ(rows, 1482);
    for (int source = 1; source <= 39; ++source) {
        std::map<int, Chain> best = bestChainsFrom(source);
        best.erase(source);
        EXPECT_EQ(best.size(), 38u);
        for (const auto& [target, chain] : best) {
            ASSERT_TRUE(table[source].contains(target)) << source << "->" << target;
            const Chain& stored = table[source][target];
            EXPECT_EQ(stored.steps, chain.steps) << source << "->" << target;
            EXPECT_EQ(stored.lossy, chain.lossy) << source << "->" << target;
        }
    }
    // Every chain into US-ASCII has a lossy step; the shortest wins.
    const std::map<std::pair<int, int>, std::vector<int>> examples = {
        {{7, 10}, {23}},        {{9, 8}, {26, 22}},   {{10, 7}, {21}},  {{8, 4}, {14, 23, 15}},
        {{1, 12}, {0, 24, 33}}, {{23, 10}, {54, 24}}, {{2, 1}, {3, 2}}, {{8, 1}, {11, 3, 2}}};
    for (const auto& [pair, steps] : examples) {
        EXPECT_EQ(table[pair.first][pair.second].steps, steps) << pair.first << "->" << pair.second;
    }
    EXPECT_FALSE(table[8][4].lossy);
    EXPECT_TRUE(table[2][1].lossy);
}
