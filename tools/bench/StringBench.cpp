// Strings and the text reader: pushes and appends under the exact-fit growth
// rule, and scanning up to a delimiter, beside std::string doing the same.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "base/Exception.h"
#include "base/StringIFlow.h"
#include "base/TextReader.h"

using namespace ZUM;

namespace {

void tstringPush(benchmark::State& state) {
    const auto n = static_cast<u32>(state.range(0));
    for (auto _ : state) {
        Utf16String s;
        for (u32 i = 0; i < n; ++i) s.push(static_cast<u16>(i));
        benchmark::DoNotOptimize(s.data());
    }
    state.SetItemsProcessed(std::int64_t(state.iterations()) * n);
}

void stdStringPush(benchmark::State& state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    for (auto _ : state) {
        std::u16string s;
        for (std::size_t i = 0; i < n; ++i) s.push_back(static_cast<char16_t>(i));
        benchmark::DoNotOptimize(s.data());
    }
    state.SetItemsProcessed(std::int64_t(state.iterations()) * state.range(0));
}

void tstringAppend(benchmark::State& state) {
    const Utf16String piece(u"<meta name=\"dc:title\"/>");
    const auto n = static_cast<u32>(state.range(0));
    for (auto _ : state) {
        Utf16String s;
        for (u32 i = 0; i < n; ++i) s.append(piece);
        benchmark::DoNotOptimize(s.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * n * piece.length() * 2);
}

void stdStringAppend(benchmark::State& state) {
    const std::u16string piece(u"<meta name=\"dc:title\"/>");
    const auto n = static_cast<std::size_t>(state.range(0));
    for (auto _ : state) {
        std::u16string s;
        for (std::size_t i = 0; i < n; ++i) s.append(piece);
        benchmark::DoNotOptimize(s.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * state.range(0) *
                            std::int64_t(piece.size()) * 2);
}

std::string linesOfText(std::size_t bytes) {
    std::string text;
    while (text.size() < bytes) text += "a line of some text, with words\r\n";
    return text;
}

void textReaderReadUntil(benchmark::State& state) {
    const std::string text = linesOfText(1 << 20);
    for (auto _ : state) {
        StringIFlow<char> flow(text.data(), static_cast<u32>(text.size()));
        TextReader<char> reader(&flow);
        try {
            for (;;) std::unique_ptr<TString<char>>(reader.readUntil("\r\n"));
        } catch (const IOException&) {
        }
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(text.size()));
}

void stdStringFind(benchmark::State& state) {
    const std::string text = linesOfText(1 << 20);
    for (auto _ : state) {
        std::size_t at = 0;
        for (std::size_t next; (next = text.find("\r\n", at)) != std::string::npos; at = next + 2)
            benchmark::DoNotOptimize(std::string(text, at, next - at));
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(text.size()));
}

} // namespace

BENCHMARK(tstringPush)->Arg(1000)->Arg(100000);
BENCHMARK(stdStringPush)->Arg(1000)->Arg(100000);
BENCHMARK(tstringAppend)->Arg(1000)->Arg(10000);
BENCHMARK(stdStringAppend)->Arg(1000)->Arg(10000);
BENCHMARK(textReaderReadUntil);
BENCHMARK(stdStringFind);
