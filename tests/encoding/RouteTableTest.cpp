#include "encoding/RouteTableRow.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

using namespace ZUM;

namespace {

struct Converter {
    int from;
    int to;
    bool lossy = false;
};
constexpr bool Lossy = true;

// The converters by number: the graph the routes run over.
std::vector<Converter> converters() {
    std::vector<Converter> table = {
        {1, 2},          {1, 4},         {4, 1, Lossy},  {2, 4},          {4, 2, Lossy},  // 0-4
        {2, 3},          {4, 5},         {3, 2},         {5, 4},          {2, 6},         // 5-9
        {6, 2},          {8, 2, Lossy},  {2, 8},         {7, 8},          {8, 7},         // 10-14
        {10, 4},         {4, 10, Lossy}, {10, 13},       {10, 14},        {13, 10},       // 15-19
        {14, 10},        {10, 7},        {10, 8},        {7, 10},         {2, 10},        // 20-24
        {10, 9},         {9, 10},        {13, 15},       {14, 16},        {15, 13},       // 25-29
        {16, 14},        {12, 4},        {12, 10},       {10, 12},        {4, 12, Lossy}, // 30-34
        {12, 17},        {12, 18},       {17, 12},       {18, 12},        {12, 11},       // 35-39
        {11, 12},        {17, 19},       {18, 20},       {19, 17},        {20, 18},       // 40-44
        {22, 23, Lossy}, {23, 22},       {21, 23},       {22, 21, Lossy},                 // 45-48
        {23, 21, Lossy}, {21, 22},       {2, 23, Lossy}, {2, 22, Lossy},                  // 49-52
        {2, 21, Lossy},  {23, 2},        {37, 2},        {2, 37, Lossy},                  // 53-56
    };
    for (int id = 24; id <= 36; ++id) table.push_back({id, 2});        // 57-69
    for (int id = 24; id <= 36; ++id) table.push_back({id, 1, Lossy}); // 70-82
    for (int id = 24; id <= 36; ++id) table.push_back({1, id});        // 83-95
    for (int id = 24; id <= 36; ++id) table.push_back({2, id, Lossy}); // 96-108
    table.insert(table.end(), {{38, 37, Lossy}, {37, 38, Lossy}, {39, 2}, {2, 39, Lossy}});
    return table;
}

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
void walk(const std::vector<Converter>& table, int at, const Chain& chain, bool (&visited)[40],
          std::map<int, Chain>& best) {
    for (int number = 0; number < int(table.size()); ++number) {
        const Converter& step = table[number];
        if (step.from != at || visited[step.to]) continue;
        Chain longer{chain.lossy || step.lossy, chain.steps};
        longer.steps.push_back(number);
        if (!best.contains(step.to) || longer.betterThan(best[step.to])) best[step.to] = longer;
        visited[step.to] = true;
        walk(table, step.to, longer, visited, best);
        visited[step.to] = false;
    }
}

std::map<int, Chain> bestChainsFrom(int source) {
    std::map<int, Chain> best;
    bool visited[40] = {};
    visited[source] = true;
    walk(converters(), source, Chain{}, visited, best);
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
