#include "tests/encoding/Harness.h"

#include <gtest/gtest.h>

#include <cstring>

#include "base/Conveyer.h"
#include "base/Exception.h"
#include "base/FixedMemIFlow.h"
#include "base/MemOFlow.h"
#include "encoding/EncodingRegistry.h"

namespace ZUM::test {

namespace {

// The input units laid out in native order, for a FixedMemIFlow.
std::string layOut(const Units& input, int width) {
    const int size = width == Width8 ? 1 : width == Width16 ? 2 : 4;
    std::string bytes(input.size() * size, '\0');
    for (std::size_t i = 0; i < input.size(); ++i) {
        const u32 unit = input[i];
        std::memcpy(&bytes[i * size], reinterpret_cast<const char*>(&unit), size);
    }
    return bytes;
}

template <typename U>
Units readAll(IFilter& filter, u32 block) {
    Units output;
    try {
        if (block == 0) {
            for (;;) output.push_back(filter.readAs<U>());
        }
        std::vector<U> buffer(block);
        for (;;) {
            u32 got = 0;
            filter.readManyAs<U>(block, buffer.data(), got);
            output.insert(output.end(), buffer.begin(), buffer.begin() + got);
            if (got == 0) break;
        }
    } catch (const IOException& e) {
        if (e.code != IOException::EndOfInput) {
            ADD_FAILURE() << "IOException " << e.code << " from " << e.file << ":" << e.line;
        }
    }
    return output;
}

Units run(IFilter& filter, const Units& input, int inWidth, u32 block, bool fresh,
          u64* losses = nullptr) {
    const std::string bytes = layOut(input, inWidth);
    FixedMemIFlow source(bytes.data(), static_cast<u32>(bytes.size()));
    filter.attach(&source);
    if (fresh) filter.reset(); // no shift state left from the last run
    const int width = filter.unitWidths();
    Units output = width == Width8    ? readAll<u8>(filter, block)
                   : width == Width16 ? readAll<u16>(filter, block)
                                      : readAll<u32>(filter, block);
    if (losses) *losses = filter.losses();
    filter.attach(nullptr);
    return output;
}

} // namespace

Units drain(IFilter& filter, const Units& input, int inWidth, u32 block) {
    return run(filter, input, inWidth, block, true);
}

Units afterReset(IFilter& filter, const Units& started, int inWidth, int count, const Units& next) {
    const std::string bytes = layOut(started, inWidth);
    FixedMemIFlow source(bytes.data(), static_cast<u32>(bytes.size()));
    filter.attach(&source);
    filter.reset();
    for (int i = 0; i < count; ++i) {
        const int width = filter.unitWidths();
        width == Width8 ? filter.read8() : width == Width16 ? filter.read16() : filter.read32();
    }
    EXPECT_TRUE(filter.reset());
    return run(filter, next, inWidth, 0, false);
}

u16 codeOf(std::string bytes) {
    if (bytes.starts_with('\x1B') && bytes.ends_with("\x1B(B")) {
        bytes = bytes.substr(3, bytes.size() - 6);
    }
    if (bytes.empty() || bytes.size() > 2) return CodeTable::Unmapped;
    return static_cast<u16>(bytes.size() == 1 ? u8(bytes[0]) : u8(bytes[0]) << 8 | u8(bytes[1]));
}

Units bytesOf(const std::string& bytes) {
    return Units(reinterpret_cast<const u8*>(bytes.data()),
                 reinterpret_cast<const u8*>(bytes.data()) + bytes.size());
}

std::string stringOf(const Units& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

Units convertEveryWay(IFilter& filter, const Units& input, int inWidth) {
    u64 losses = 0, blockLosses = 0;
    const Units single = run(filter, input, inWidth, 0, true, &losses);
    for (const u32 block : {3u, 4096u}) {
        EXPECT_EQ(run(filter, input, inWidth, block, true, &blockLosses), single)
            << "blocks of " << block;
        EXPECT_EQ(blockLosses, losses) << "losses in blocks of " << block;
    }
    return single;
}

Reference referenceOf(std::shared_ptr<IFilter> converter, int inWidth) {
    return [converter, inWidth](u16 code) {
        const Units input = inWidth != Width8 ? Units{code}
                            : code > 0xFF     ? Units{u32(code >> 8), u32(code & 0xFF)}
                                              : Units{code};
        const Units output = drain(*converter, input, inWidth);
        if (converter->unitWidths() != Width8) {
            return output.size() == 1 ? static_cast<u16>(output[0]) : CodeTable::Unmapped;
        }
        return codeOf(stringOf(output));
    };
}

std::string convertChain(int from, int to, const std::string& input) {
    std::unique_ptr<CompositIFilter> chain(createFilterChain(from, to));
    if (!chain) {
        ADD_FAILURE() << "no chain " << from << "->" << to;
        return {};
    }
    FixedMemIFlow source(input.data(), static_cast<u32>(input.size()));
    // Room for any output up front: growing exactly, block by block, copies
    // the whole output each time under allocators that move on realloc.
    MemOFlow destination(MemBlock::create(static_cast<u32>(input.size() * 16 + 64)), false);
    chain->attach(&source);
    try {
        Conveyer{chain.get(), &destination}.pump();
    } catch (const IOException& e) {
        ADD_FAILURE() << from << "->" << to << ": IOException " << e.code << " from " << e.file;
    }
    const MemBlock* block = destination.memBlock();
    return std::string(reinterpret_cast<const char*>(block->data), block->size);
}

Units unitsOf(const std::u16string& text) {
    return Units(text.begin(), text.end());
}

std::u16string textOf(const Units& units) {
    return std::u16string(units.begin(), units.end());
}

std::string utf16Bytes(const std::u16string& text) {
    return std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2);
}

} // namespace ZUM::test
