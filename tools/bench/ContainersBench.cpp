// Container figures beside a standard-library peer measured in the same run:
// LinkList against std::list, AVLDict against std::map.
#include "base/AVLDict.h"
#include "base/LinkList.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <list>
#include <map>
#include <memory>
#include <numeric>
#include <random>
#include <vector>

namespace {

struct Item {
    int key;
};

class IntDict : public ZUM::AVLDict<Item, int> {
public:
    const int* keyOf(Item* item) const override { return &item->key; }
    int compare(const int* a, const int* b) const override { return (*a > *b) - (*a < *b); }
};

// Items with the keys 0 to n - 1 in a fixed shuffled order.
std::vector<Item> shuffledItems(int n) {
    std::vector<Item> items(n);
    for (int i = 0; i < n; ++i) items[i].key = i;
    std::shuffle(items.begin(), items.end(), std::mt19937(42));
    return items;
}

void LinkListAppend(benchmark::State& state) {
    std::vector<Item> items = shuffledItems(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        ZUM::LinkList<Item> list;
        for (Item& item : items) list.append(&item);
        benchmark::DoNotOptimize(list.first());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void StdListAppend(benchmark::State& state) {
    std::vector<Item> items = shuffledItems(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::list<Item*> list;
        for (Item& item : items) list.push_back(&item);
        benchmark::DoNotOptimize(list.front());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void LinkListIterate(benchmark::State& state) {
    std::vector<Item> items = shuffledItems(static_cast<int>(state.range(0)));
    ZUM::LinkList<Item> list;
    for (Item& item : items) list.append(&item);
    for (auto _ : state) {
        std::unique_ptr<ZUM::Iterator<Item>> it(list.iterator());
        long sum = 0;
        while (Item* item = it->next()) sum += item->key;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void StdListIterate(benchmark::State& state) {
    std::vector<Item> items = shuffledItems(static_cast<int>(state.range(0)));
    std::list<Item*> list;
    for (Item& item : items) list.push_back(&item);
    for (auto _ : state) {
        long sum = 0;
        for (Item* item : list) sum += item->key;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void AVLDictInsert(benchmark::State& state) {
    std::vector<Item> items = shuffledItems(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        IntDict dict;
        for (Item& item : items) dict.add(&item);
        benchmark::DoNotOptimize(dict.isEmpty());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void StdMapInsert(benchmark::State& state) {
    std::vector<Item> items = shuffledItems(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::map<int, Item*> map;
        for (Item& item : items) map.emplace(item.key, &item);
        benchmark::DoNotOptimize(map.empty());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void AVLDictLookup(benchmark::State& state) {
    std::vector<Item> items = shuffledItems(static_cast<int>(state.range(0)));
    IntDict dict;
    for (Item& item : items) dict.add(&item);
    for (auto _ : state) {
        for (const Item& item : items) benchmark::DoNotOptimize(dict.get(&item.key));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void StdMapLookup(benchmark::State& state) {
    std::vector<Item> items = shuffledItems(static_cast<int>(state.range(0)));
    std::map<int, Item*> map;
    for (Item& item : items) map.emplace(item.key, &item);
    for (auto _ : state) {
        for (const Item& item : items) benchmark::DoNotOptimize(map.find(item.key));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(LinkListAppend)->Arg(1000)->Arg(100000);
BENCHMARK(StdListAppend)->Arg(1000)->Arg(100000);
BENCHMARK(LinkListIterate)->Arg(1000)->Arg(100000);
BENCHMARK(StdListIterate)->Arg(1000)->Arg(100000);
BENCHMARK(AVLDictInsert)->Arg(1000)->Arg(100000);
BENCHMARK(StdMapInsert)->Arg(1000)->Arg(100000);
BENCHMARK(AVLDictLookup)->Arg(1000)->Arg(100000);
BENCHMARK(StdMapLookup)->Arg(1000)->Arg(100000);
