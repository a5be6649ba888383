#include <gtest/gtest.h>

#include <memory>

#include "base/CompositIFilter.h"
#include "base/MemOFlow.h"
#include "encoding/ChainOFlow.h"
#include "encoding/EncodingRegistry.h"
#include "tests/encoding/Harness.h"

using namespace ZUM;
using namespace ZUM::test;

namespace {

// The bytes of `text` written through a chain to UTF-8 with a mark, the
// first `singly` units one at a time and the rest in runs of `run`.
std::string throughChain(const std::u16string& text, std::size_t singly, std::size_t run) {
    std::unique_ptr<CompositIFilter> chain(createFilterChain(Utf16N, Utf8));
    MemOFlow bytes;
    ChainOFlow flow(chain.get(), &bytes);
    const u16* units = reinterpret_cast<const u16*>(text.data());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = i < singly ? 1 : std::min(run, text.size() - i);
        u32 written = 0;
        if (n == 1)
            flow.write16(units[i]);
        else
            flow.write16Many(static_cast<u32>(n), units + i, written);
        i += n;
    }
    flow.flush();
    const MemBlock* block = bytes.memBlock();
    return std::string(reinterpret_cast<const char*>(block->data), block->size);
}

} // namespace

// Block by block, the bytes are those of the whole text converted at once:
// one mark, and pairs whose high half ends a block kept whole.
TEST(ChainOFlow, BlocksGiveTheBytesOfTheWholeText) {
    EXPECT_EQ(throughChain(u"", 0, 1), "\xEF\xBB\xBF");
    constexpr std::size_t block = ChainOFlow::BlockUnits;
    for (std::size_t at : {block - 2, block - 1, block, 2 * block - 1}) {
        std::u16string text(3 * block, u'x');
        text.replace(at, 2, u"\U0001F600");
        text[at + 7] = u'\u3042';
        const std::string whole = convertChain(Utf16N, Utf8, utf16Bytes(text));
        EXPECT_EQ(throughChain(text, 0, text.size()), whole) << at;
        EXPECT_EQ(throughChain(text, block + 3, 1000), whole) << at;
    }
}
