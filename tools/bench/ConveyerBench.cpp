// The conveyer through a chain of pass-through filters: the cost of the flow
// and filter machinery itself, one virtual read and write per unit.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "base/CompositIFilter.h"
#include "base/Conveyer.h"
#include "base/FixedMemIFlow.h"
#include "base/MemOFlow.h"

using namespace ZUM;

namespace {

constexpr u32 DocumentBytes = 1 << 20;

// Arguments: the number of members, and whether the destination is fresh each
// time (growing exactly, one realloc a unit) or reset and reused.
void pumpThroughChain(benchmark::State& state) {
    std::vector<u8> document(DocumentBytes);
    for (u32 i = 0; i < DocumentBytes; ++i) document[i] = static_cast<u8>('a' + i % 26);
    const bool fresh = state.range(1) != 0;
    MemOFlow reused;
    for (auto _ : state) {
        FixedMemIFlow source(document.data(), DocumentBytes);
        CompositIFilter chain;
        chain.attach(&source);
        for (int i = 0; i < state.range(0); ++i) chain.add(new IFilter);
        MemOFlow freshDestination;
        MemOFlow& destination = fresh ? freshDestination : reused;
        destination.reset();
        Conveyer{&chain, &destination}.pump();
        benchmark::DoNotOptimize(destination.memBlock()->data);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * DocumentBytes);
}

// The peer: the same bytes moved by one memcpy.
void copyWithMemcpy(benchmark::State& state) {
    std::vector<u8> document(DocumentBytes, 'a');
    std::vector<u8> copy(DocumentBytes);
    for (auto _ : state) {
        std::memcpy(copy.data(), document.data(), DocumentBytes);
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * DocumentBytes);
}

} // namespace

BENCHMARK(copyWithMemcpy)->Unit(benchmark::kMillisecond);
BENCHMARK(pumpThroughChain)
    ->ArgNames({"members", "fresh"})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({1, 1})
    ->Args({2, 1})
    ->Unit(benchmark::kMillisecond);
