// Fuzz target for the converters: the first two bytes choose a route between
// two of the encodings (ids 1 to 39), the rest goes through its filter chain.
// Malformed input must be dropped, passed or substituted, never crash, hang
// or read out of bounds. Built by the "fuzz" preset; run as:
// build/fuzz/convert-fuzzer -max_total_time=600 CORPUS_DIR
#include <cstddef>
#include <cstdint>
#include <memory>

#include "base/CompositIFilter.h"
#include "base/FixedMemIFlow.h"
#include "base/Library.h"
#include "encoding/EncodingRegistry.h"
#include "tools/fuzz/Pump.h"

using namespace ZUM;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool started = startLibrary();
    if (!started || size < 2 || size > (1u << 16)) return 0;
    const int from = 1 + data[0] % 39;
    const int to = 1 + data[1] % 39;
    if (from == to) return 0;
    std::unique_ptr<CompositIFilter> chain(createFilterChain(from, to));
    if (!chain) __builtin_trap(); // every ordered pair of distinct ids has a route
    FixedMemIFlow input(data + 2, static_cast<u32>(size - 2));
    pumpQuietly(*chain, input);
    return 0;
}
