#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <tuple>
#include <typeinfo>

#include "base/LinkIterator.h"
#include "encoding/ConverterTableRow.h"
#include "encoding/EncodingRegistry.h"
#include "tests/encoding/Harness.h"

using namespace ZUM;
using namespace ZUM::test;

namespace {

// The members of a chain, nearest the source first.
std::vector<IFilter*> membersOf(const CompositIFilter& chain) {
    std::vector<IFilter*> members;
    std::unique_ptr<Iterator<IFilter>> member(chain.filters().iterator());
    while (IFilter* filter = member->next()) members.insert(members.begin(), filter);
    return members;
}

// Random bytes, the same on every run.
std::string randomBytes(std::mt19937& random, std::size_t size) {
    std::string bytes(size, '\0');
    for (char& byte : bytes) byte = static_cast<char>(random());
    return bytes;
}

} // namespace

TEST(EncodingNames, FoldOnlyAsciiCase) {
    ASSERT_NE(cenDictionary(), nullptr);
    EXPECT_EQ(cenDictionary()->count(), 190);
    const std::pair<const char*, int> names[] = {{"SHIFT_JIS", 23},    {"ucs2", 2},
                                                 {"Utf-16LE", 14},     {"iso-8859-15", 36},
                                                 {"Windows-1252", 39}, {"iso_8859-1:1987", 24},
                                                 {"XML-DETECTOR", 41}, {"shift-jis", 0},
                                                 {"utf-8 ", 0},        {"", 0}};
    for (const auto& [name, id] : names) EXPECT_EQ(encodingIdOf(name), id) << name;
    EXPECT_EQ(encodingIdOf(nullptr), 0);
}

TEST(FilterChains, EqualIdsPassThroughAndUnknownIdsHaveNone) {
    ASSERT_NE(iFilterDictionary(), nullptr);
    EXPECT_EQ(iFilterDictionary()->count(), 1482);
    for (int id : {5, 0, 41}) {
        std::unique_ptr<CompositIFilter> same(createFilterChain(id, id));
        ASSERT_TRUE(same);
        const std::vector<IFilter*> members = membersOf(*same);
        ASSERT_EQ(members.size(), 1u);
        const IFilter& member = *members.front();
        EXPECT_EQ(typeid(member), typeid(IFilter));
        EXPECT_EQ(same->unitWidths(), WidthAny);
    }
    EXPECT_EQ(convertChain(5, 5, "\x01\x02\x03\x04"), "\x01\x02\x03\x04");
    for (const auto& [from, to] : {std::pair{0, 10}, {41, 10}, {10, 41}, {40, 7}, {1, 43}}) {
        EXPECT_EQ(createFilterChain(from, to), nullptr) << from << "->" << to;
    }

    EXPECT_EQ(convertChain(10, 7, ""), "\xEF\xBB\xBF"); // saving writes a mark
}

// Each chain holds its route's converters, nearest the source first, each
// reading what the one before writes, from the source id to the target id.
TEST(FilterChains, EveryRouteRunsFromItsSourceToItsTarget) {
    int routes = 0;
    for (int from = 1; from <= 39; ++from) {
        for (int to = 1; to <= 39; ++to) {
            if (from == to) continue;
            const IFilterDictionaryEntry* route = iFilterDictionary()->route(from, to);
            ASSERT_NE(route, nullptr) << from << "->" << to;
            std::unique_ptr<CompositIFilter> chain(createFilterChain(from, to));
            ASSERT_TRUE(chain);
            const std::vector<IFilter*> members = membersOf(*chain);
            int at = from;
            bool lossy = false;
            std::size_t i = 0;
            for (; route->steps[i] >= 0 && i < members.size(); ++i) {
                const ConverterTableRow& row = converterTable[route->steps[i]];
                EXPECT_EQ(row.from, at) << from << "->" << to << " step " << i;
                const std::unique_ptr<IFilter> made(row.create());
                const IFilter &member = *members[i], &madeByRow = *made;
                EXPECT_EQ(typeid(member), typeid(madeByRow));
                at = row.to;
                lossy = lossy || row.lossy;
            }
            EXPECT_TRUE(i == members.size() && route->steps[i] < 0) << from << "->" << to;
            EXPECT_EQ(at, to);
            EXPECT_EQ(route->lossy, lossy ? -1 : 0);
            ++routes;
        }
    }
    EXPECT_EQ(routes, 1482);
}

// Text written in encoding a and carried to b by a lossless route reads back
// from b as it reads from a.
TEST(FilterChains, LosslessRoutesRoundTripFromUtf16) {
    const std::string text = utf16Bytes(u"Text: caf\u00E9, \u65E5\u672C\u8A9E \uFF71\u00A5\u203E~\\"
                                        u" \U0001F600 +-.\r\n");
    int checked = 0;
    for (int a = 1; a <= 39; ++a) {
        const std::string written = a == 10 ? text : convertChain(10, a, text);
        const std::string expected = a == 10 ? text : convertChain(a, 10, written);
        for (int b = 1; b <= 39; ++b) {
            if (a == b || iFilterDictionary()->route(a, b)->lossy) continue;
            const std::string carried = convertChain(a, b, written);
            const std::string back = b == 10 ? carried : convertChain(b, 10, carried);
            EXPECT_TRUE(back == expected) << a << "->" << b;
            ++checked;
        }
    }
    EXPECT_GT(checked, 600);
}

TEST(StringConversions, ToAndFromUtf16) {
    Utf16String result;
    const Utf8String abc("abc");
    EXPECT_TRUE(convertToUtf16String(7, 10, &abc, result));
    EXPECT_EQ(result.compare(Utf16String(u"abc")), 0);
    const Utf8String marked("\xEF\xBB\xBF\x61\xC3\xA9");
    EXPECT_TRUE(convertToUtf16String(7, 10, &marked, result));
    EXPECT_EQ(result.compare(Utf16String(u"a\u00E9")), 0);
    EXPECT_TRUE(convertToUtf16String(1, 10, &abc, result));
    EXPECT_EQ(result.compare(Utf16String(u"abc")), 0);
    EXPECT_FALSE(convertToUtf16String(7, 10, nullptr, result)); // a closed input fails
    EXPECT_EQ(result.length(), 0u);

    Utf8String bytes;
    const Utf16String text(u"\uFEFFa\u00E9\u65E5");
    EXPECT_TRUE(convertFromUtf16String(9, 8, &text, bytes));
    EXPECT_EQ(bytes.compare(Utf8String("a\xC3\xA9\xE6\x97\xA5")), 0);
    EXPECT_TRUE(convertFromUtf16String(10, 7, &text, bytes));
    EXPECT_EQ(bytes.compare(Utf8String("\xEF\xBB\xBF\xEF\xBB\xBF\x61\xC3\xA9\xE6\x97\xA5")), 0);

    // No route, or output of the wrong width: false, with what was made kept.
    EXPECT_FALSE(convertToUtf16String(0, 10, &abc, result));
    EXPECT_EQ(result.length(), 0u);
    EXPECT_FALSE(convertFromUtf16String(10, 41, &text, bytes));
    EXPECT_EQ(bytes.length(), 0u);
    EXPECT_FALSE(convertToUtf16String(7, 8, &abc, result));
    EXPECT_FALSE(convertFromUtf16String(10, 12, &text, bytes));
}

// What the decoders skip, replace or find cut off is counted, once for each
// character, whether read one unit at a time or in blocks; the peers' test
// holds every input of one and two bytes against glibc.
TEST(Decoding, CountsLossesOfLongerSequences) {
    const std::tuple<int, std::string, u64> cases[] = {
        {7, "\xEF\xBB\xBF\xE2\x82\xAC\xF0\x9F\x98\x80", 0},
        {7, "\xE0\x80\x80\xED\xA0\x80\xF4\x90\x80\x80\xF0\x80\x80\x80", 4},
        {7, std::string(5000, 'a') + "\xC3\xA9\xC3" + std::string(5000, 'a') + "\xE2\x82", 2},
        {22, "\xA4\xA2\x8E\xB1\x8F\xB0\xA1", 1},
        {21, "\x1B$B\x24\x22\x1B(J\\\x1B(B", 0},
        {21, "\x1B$B\x24\x0A\x1B$A\x1B(B\x1B$", 3},
        {6, "+AOk-+AOl-+AOkA", 2},
        {23, std::string(3000, '\x80') + "\x82\xA0\x85\x40", 3001},
        {10, std::string("a\0b", 3), 1},
    };
    for (const auto& [id, bytes, losses] : cases) {
        Utf16String text;
        u64 counted = 0;
        ASSERT_TRUE(decodeToUtf16(id, reinterpret_cast<const u8*>(bytes.data()),
                                  static_cast<u32>(bytes.size()), text, counted));
        EXPECT_EQ(counted, losses) << id << ": " << bytes.substr(0, 16);
        const std::unique_ptr<IFilter> chain(createFilterChain(id, 10));
        convertEveryWay(*chain, bytesOf(bytes), Width8);
    }
}

// Random bytes never make a converter throw, its many-unit read always gives
// what its single reads give, and a chain's output stays within a small
// multiple of its input.
TEST(BadInput, RandomBytesThroughEveryConverterAndRoute) {
    std::mt19937 random(20240611);
    for (int number = 0; number < ConverterCount; ++number) {
        const std::unique_ptr<IFilter> converter(converterTable[number].create());
        const int inWidth = converter->acceptedUnitWidths() == WidthAny
                                ? (number == 2 ? Width32 : Width8)
                                : converter->acceptedUnitWidths();
        for (int round = 0; round < 8; ++round) {
            Units input = bytesOf(randomBytes(random, 8 + round * 61));
            const u32 mask = inWidth == Width16 ? 0xFFFF : ~0u;
            for (u32& unit : input) {
                if (inWidth != Width8) unit = (unit * 0x01010101u ^ u32(random())) & mask;
            }
            convertEveryWay(*converter, input, inWidth);
        }
    }
    for (int from = 1; from <= 39; ++from) {
        for (int to = 1; to <= 39; ++to) {
            if (from == to) continue;
            const std::string input = randomBytes(random, 64);
            EXPECT_LE(convertChain(from, to, input).size(), 16 * input.size() + 16)
                << from << "->" << to;
        }
    }
}
