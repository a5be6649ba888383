// Megabytes per second through the registry's conversion chains, each beside
// glibc's iconv doing the same conversion in the same run. The counters give
// both rates and how many times slower the chain is ("x_iconv").
#include <benchmark/benchmark.h>
#include <iconv.h>

#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/Conveyer.h"
#include "base/Exception.h"
#include "base/FixedMemIFlow.h"
#include "base/Library.h"
#include "base/MemOFlow.h"
#include "encoding/EncodingRegistry.h"

using namespace ZUM;

namespace {

constexpr std::size_t TextBytes = 4 << 20;

// About four megabytes of UTF-8 prose, Japanese or Latin, varied by a counter.
std::string prose(bool japanese) {
    const char* japaneseLines[] = {
        "吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。",
        "何でも薄暗いじめじめした所でニャーニャー泣いていた事だけは記憶している。",
        "第%d章　国語の教科書（デイジー版）を読み上げる、ページ番号%d。\n",
    };
    const char* latinLines[] = {
        "Le coeur a ses raisons que la raison ne connaît point; ",
        "Über allen Gipfeln ist Ruh, in allen Wipfeln spürest du kaum einen Hauch. ",
        "Capítulo %d: la lección número %d, página añadida.\n",
    };
    const char** lines = japanese ? japaneseLines : latinLines;
    std::string text;
    char numbered[256];
    for (int i = 0; text.size() < TextBytes; ++i) {
        text += lines[i % 2];
        std::snprintf(numbered, sizeof numbered, lines[2], i, i * 7);
        text += numbered;
    }
    return text;
}

std::string iconvConvert(const char* to, const char* from, const std::string& input) {
    const iconv_t opened = iconv_open(to, from);
    if (opened == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no iconv");
    const std::unique_ptr<void, int (*)(iconv_t)> descriptor(opened, iconv_close);
    std::string output(input.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(input.data());
    char* out = output.data();
    size_t inLeft = input.size(), outLeft = output.size();
    if (iconv(opened, &in, &inLeft, &out, &outLeft) == size_t(-1))
        throw std::runtime_error("iconv");
    output.resize(output.size() - outLeft);
    return output;
}

// One unit per virtual read and write through the whole chain, the way the
// conveyer once moved them: the cost the block path saves.
template <typename U>
void pumpUnitByUnit(IFlow& source, OFlow& destination) {
    try {
        for (;;) destination.writeAs<U>(source.readAs<U>());
    } catch (const IOException& e) {
        if (e.code != IOException::EndOfInput) throw;
    }
}

// Into a fresh memory flow, as a caller converting a document would.
u32 convertWithChain(int from, int to, const std::string& input, bool unitByUnit) {
    std::unique_ptr<CompositIFilter> chain(createFilterChain(from, to));
    FixedMemIFlow source(input.data(), static_cast<u32>(input.size()));
    MemOFlow destination;
    chain->attach(&source);
    if (!unitByUnit) {
        Conveyer{chain.get(), &destination}.pump();
    } else if (chain->unitWidths() == Width8) {
        pumpUnitByUnit<u8>(*chain, destination);
    } else {
        pumpUnitByUnit<u16>(*chain, destination);
    }
    return destination.memBlock()->size;
}

struct Case {
    int from;
    int to;
    const char* iconvFrom;
    const char* iconvTo;
    bool japanese;
};

const Case cases[] = {
    {Utf8, Utf16N, "UTF-8", "UTF-16LE", true},
    {Utf16N, Utf8N, "UTF-16LE", "UTF-8", true},
    {23, Utf16N, "SHIFT_JIS", "UTF-16LE", true},
    {24, Utf16N, "ISO-8859-1", "UTF-16LE", false},
};

void chainBesideIconv(benchmark::State& state) {
    startLibrary();
    const Case& c = cases[state.range(0)];
    const bool unitByUnit = state.range(1) != 0;
    const std::string input = iconvConvert(c.iconvFrom, "UTF-8", prose(c.japanese));
    if (convertWithChain(c.from, c.to, input, unitByUnit) !=
        iconvConvert(c.iconvTo, c.iconvFrom, input).size()) {
        state.SkipWithError("the chain and iconv disagree");
        return;
    }
    using Clock = std::chrono::steady_clock;
    Clock::duration ours{}, theirs{};
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(convertWithChain(c.from, c.to, input, unitByUnit));
        const auto middle = Clock::now();
        benchmark::DoNotOptimize(iconvConvert(c.iconvTo, c.iconvFrom, input).size());
        theirs += Clock::now() - middle;
        ours += middle - start;
    }
    const double megabytes = double(input.size()) * double(state.iterations()) / 1e6;
    state.counters["chain_MB/s"] = megabytes / std::chrono::duration<double>(ours).count();
    state.counters["iconv_MB/s"] = megabytes / std::chrono::duration<double>(theirs).count();
    state.counters["x_iconv"] = double(ours.count()) / double(theirs.count());
    state.SetLabel(std::string(c.iconvFrom) + " -> " + c.iconvTo);
}

} // namespace

// Arguments: the case, and whether to pump unit by unit.
BENCHMARK(chainBesideIconv)
    ->ArgNames({"case", "unit_by_unit"})
    ->ArgsProduct({{0, 1, 2, 3}, {0, 1}})
    ->Unit(benchmark::kMillisecond);
