#include "base/LinkList.h"
#include "base/StringIFlow.h"
#include "base/TString.h"
#include "base/TextArena.h"
#include "base/TextReader.h"

#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <string>
#include <vector>

#include "tests/IOExpect.h"

using namespace ZUM;

namespace {

Utf16String units(std::initializer_list<u16> list) {
    return Utf16String(list.begin(), static_cast<u32>(list.size()));
}

// Owns a returned string and reads it back as std::string.
std::string take(TString<char>* text) {
    std::unique_ptr<TString<char>> owned(text);
    return owned ? std::string(owned->data(), owned->length()) : "<null>";
}

// A reader over 8-bit text.
struct Reader {
    explicit Reader(const std::string& text)
        : source(text), flow(source.data(), static_cast<u32>(source.size())), reader(&flow) {}
    std::string rest() { return take(reader.readAll()); }
    std::string source;
    StringIFlow<char> flow;
    TextReader<char> reader;
};

} // namespace

TEST(TStringGrowth, DefaultCapacityIsTenUnitsAndGrowsExactly) {
    Utf16String s;
    EXPECT_EQ(s.capacityBytes(), 20u);
    for (u16 i = 0; i < 10; ++i) s.push(i);
    EXPECT_EQ(s.capacityBytes(), 20u);
    s.push(10);
    EXPECT_EQ(s.capacityBytes(), 22u);
    EXPECT_EQ(s[10], 10);
    EXPECT_EQ(TString<u32>().capacityBytes(), 40u);
    EXPECT_EQ(Utf8String("", 0).capacityBytes(), 1u);
    EXPECT_EQ(Utf8String("abc").capacityBytes(), 3u);
    EXPECT_THROW(TString<u32>().reserve(0x40000000u), std::bad_alloc); // impossible sizes
}

TEST(TStringGrowth, PushAndAppendReuseTheFrontGap) {
    Utf8String s("0123456789");
    ASSERT_TRUE(s.erase(0, 3));
    EXPECT_EQ(s.frontGap(), 3u);
    s.push('x'); // full buffer: the text moves one unit to the front
    EXPECT_EQ(s.capacityBytes(), 10u);
    EXPECT_EQ(s.frontGap(), 2u);
    EXPECT_TRUE(s == "3456789x");
    s.append("y"); // 1 < front gap of 2: moves again
    EXPECT_EQ(s.capacityBytes(), 10u);
    EXPECT_TRUE(s == "3456789xy");
    s.append("zz"); // 2 is not below the gap of 1: grows exactly
    EXPECT_EQ(s.capacityBytes(), 12u);
    EXPECT_TRUE(s == "3456789xyzz");
}

TEST(TStringGrowth, AppendOfItselfSurvivesGrowth) {
    Utf8String s("abc");
    s.append(s);
    s.append(s.data() + 1, 2);
    EXPECT_TRUE(s == "abcabcbc");
    s.assign(s.data() + 2, 3);
    EXPECT_TRUE(s == "cab");
}

TEST(TStringErase, BoundariesAndWhichSideMoves) {
    Utf8String s("abcdef");
    EXPECT_TRUE(s.erase(6, 0));
    EXPECT_FALSE(s.erase(6, 1));
    EXPECT_FALSE(s.erase(7, 0));
    EXPECT_FALSE(s.erase(4, 3));
    EXPECT_TRUE(s == "abcdef");

    EXPECT_TRUE(s.erase(4, 2)); // tail: only the end moves
    EXPECT_TRUE(s == "abcd");
    EXPECT_EQ(s.frontGap(), 0u);
    EXPECT_TRUE(s.erase(1, 1)); // head shorter than tail: head moves back
    EXPECT_TRUE(s == "acd");
    EXPECT_EQ(s.frontGap(), 1u);

    Utf8String t("abcdefgh");
    EXPECT_TRUE(t.erase(5, 1)); // tail shorter: tail moves forward
    EXPECT_TRUE(t == "abcdegh");
    EXPECT_EQ(t.frontGap(), 0u);
}

TEST(TStringTerminate, UsesTheGapOrGrowsByOneUnit) {
    Utf8String full("abcd");
    EXPECT_STREQ(full.terminate(), "abcd");
    EXPECT_EQ(full.capacityBytes(), 5u);

    Utf8String gap("xabc");
    gap.erase(0, 1);
    EXPECT_STREQ(gap.terminate(), "abc");
    EXPECT_EQ(gap.capacityBytes(), 4u);
    EXPECT_EQ(gap.frontGap(), 0u);

    Utf16String wide(u"hi");
    EXPECT_EQ(wide.terminate()[2], 0);
    EXPECT_EQ(wide.capacityBytes(), 6u);
}

// Values kept side by side in an arena: every change of one copies it out
// before it grows, and never writes into its neighbour.
TEST(TStringBorrow, ChangesCopyOutAndSpareTheNeighbours) {
    TextArena arena;
    std::vector<std::pair<u16*, u16>> kept;
    for (u32 i = 0; i < 3 * TextArena::BlockUnits / 5; ++i) { // across several blocks
        const u16 text[] = {u16('a' + i % 26), u16('0' + i % 10), u16('A' + i % 26), 0, 0};
        kept.emplace_back(arena.store(text, 3 + i % 3), text[0]);
    }
    const std::u16string large(TextArena::BlockUnits, u'L');
    const u16* own = arena.store(reinterpret_cast<const u16*>(large.data()), TextArena::BlockUnits);
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(own), large.size()), large);
    for (const auto& [units, first] : kept) ASSERT_EQ(units[0], first);

    const auto changed = [&arena](auto change) {
        u16* mine = arena.store(reinterpret_cast<const u16*>(u"abc"), 3);
        const u16* neighbour = arena.store(reinterpret_cast<const u16*>(u"xyz"), 3);
        Utf16String value;
        value.borrow(mine, 3);
        change(value);
        EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(neighbour), 3), u"xyz");
        return std::u16string(reinterpret_cast<const char16_t*>(value.data()), value.length());
    };
    EXPECT_EQ(changed([](Utf16String& v) { v.push(u'!'); }), u"abc!");
    EXPECT_EQ(changed([](Utf16String& v) { v.append(units({u'x', u'y'})); }), u"abcxy");
    EXPECT_EQ(changed([](Utf16String& v) { v.terminate(); }), u"abc");
    EXPECT_EQ(changed([](Utf16String& v) {
                  v.erase(0, 1);
                  v.push(u'!'); // into the front gap, inside its own units
              }),
              u"bc!");
    EXPECT_EQ(changed([](Utf16String& v) { v.assign(v.data() + 1, 2); }), u"bc");
}

TEST(TStringCompare, PrefixesSignednessAndCase) {
    Utf8String ab("ab"), abc("abc");
    EXPECT_EQ(ab.compare(abc), -1);
    EXPECT_EQ(abc.compare(ab), 1);
    EXPECT_EQ(ab.compare("ab"), 0);
    EXPECT_EQ(Utf8String("\x80").compare(Utf8String("\x41")), -1); // bytes compare as signed char
    EXPECT_EQ(units({0x8000}).compare(units({0x41})), 1);          // wider units compare unsigned
    EXPECT_EQ(Utf8String("Shift_JIS").compareIgnoreCase("SHIFT_jis"), 0);
    EXPECT_NE(Utf8String("Shift_JIS").compareIgnoreCase("shift-jis"), 0);
}

TEST(TStringToUnsigned, DigitsOnly) {
    EXPECT_EQ(Utf8String("007").toUnsigned(), 7u);
    EXPECT_EQ(Utf8String("12a").toUnsigned(), 0u);
    EXPECT_EQ(Utf8String("").toUnsigned(), 0u);
    EXPECT_EQ(Utf8String("4294967296").toUnsigned(), 0u); // wraps modulo 2^32
}

TEST(TStringViews, PrefixViewAndCopies) {
    Utf8String s("hello");
    s.erase(0, 1);
    TSubString<char> prefix(s, 3);
    EXPECT_EQ(prefix.length(), 3u);
    EXPECT_EQ(prefix.data(), s.data());
    EXPECT_EQ(*prefix.endPointer(), 'o');
    EXPECT_EQ(TSubString<char>(s, 99).length(), 4u);
    Utf8String copy(prefix);
    EXPECT_TRUE(copy == "ell");
    EXPECT_EQ(copy.capacityBytes(), 3u);
    Utf8String other;
    other.append(prefix);
    EXPECT_TRUE(other == "ell");
    EXPECT_EQ(s.offset(), 0u);
    EXPECT_EQ(s.pointerAt(1), s.data() + 1);
}

TEST(TextReader, ReadLineKeepsLineFeedsAndCountsLines) {
    Reader r("ab\ncd\nlast");
    EXPECT_EQ(take(r.reader.readLine()), "ab\n");
    EXPECT_EQ(take(r.reader.readLine()), "cd\n");
    EXPECT_EQ(r.reader.line(), 2);
    r.reader.putBack('\n');
    EXPECT_EQ(r.reader.line(), 1);
    EXPECT_EQ(r.reader.readUnit(), '\n');
    EXPECT_EQ(take(r.reader.readLine()), "last");
    EXPECT_EQ(take(r.reader.readLine()), "<null>");
}

TEST(TextReader, ReadUntilDoesNotRetryTheBreakingUnit) {
    Reader run("abxxxc");
    EXPECT_EQ(take(run.reader.readUntil("xx")), "ab");
    EXPECT_EQ(run.rest(), "xc");

    Reader crlf("a\r\r\nb\r\n");
    EXPECT_EQ(take(crlf.reader.readUntil("\r\n")), "a\r\r\nb");

    Reader missing("no delimiter");
    EXPECT_IO_ERROR(missing.reader.readUntil(";"), IOException::EndOfInput, "base/StringIFlow");
    EXPECT_IO_ERROR(missing.reader.readUntil(""), IOException::EmptyDelimiter, "base/TextReader");

    Reader unit("key=value");
    EXPECT_EQ(take(unit.reader.readUntilUnit('=')), "key");
    EXPECT_EQ(unit.rest(), "value");
}

TEST(TextReader, ReadUntilOneOfTakesTheFirstToComplete) {
    Reader r("a<b>c</d>");
    const char* const tags[] = {"</", ">", nullptr};
    EXPECT_EQ(take(r.reader.readUntilOneOf(tags)), "a<b");
    LinkList<TString<char>> list;
    Utf8String close("</"), end("d>");
    list.append(&close);
    list.append(&end);
    EXPECT_EQ(take(r.reader.readUntilOneOf(list)), "c");
    const char* const none[] = {nullptr};
    EXPECT_IO_ERROR(r.reader.readUntilOneOf(none), IOException::EmptyDelimiter, "base/TextReader");
}

TEST(TextReader, SkipsLeaveTheInputAsBeforeWhenTheyFail) {
    Reader r("abd");
    EXPECT_FALSE(r.reader.skipLiteral("abc"));
    EXPECT_FALSE(r.reader.skipLiteral(""));
    EXPECT_TRUE(r.reader.skipLiteral("ab"));
    EXPECT_FALSE(r.reader.skipUnit('x'));
    EXPECT_TRUE(r.reader.skipUnit('d'));

    Reader any("<!DOCTYPE x>");
    const char* const literals[] = {"<?", "<!", "<!--", nullptr};
    EXPECT_EQ(any.reader.skipAny(literals), 2);
    const char* const none[] = {"DOCTYPEX", "DOCK", nullptr};
    EXPECT_EQ(any.reader.skipAny(none), 0);
    EXPECT_EQ(any.rest(), "DOCTYPE x>");

    Reader shortInput("ab");
    EXPECT_FALSE(shortInput.reader.skipLiteral("abc")); // the end counts as a mismatch
    EXPECT_EQ(shortInput.rest(), "ab");
}

TEST(TextReader, RunsAndSets) {
    Reader r("   \t x1 ");
    EXPECT_EQ(take(r.reader.readRun(' ')), "   ");
    EXPECT_EQ(take(r.reader.readWhileIn(" \t")), "\t ");
    EXPECT_EQ(take(r.reader.readWhileIn("0123456789")), "");
    EXPECT_EQ(r.reader.readUnit(), 'x');
    EXPECT_EQ(take(r.reader.readWhileIn("0123456789 ")), "1 "); // the end is quiet
}

TEST(TextReader, ReadsAcrossBlocksAndResets) {
    std::string big(3 * TextReader<char>::BlockSize + 5, 'a');
    big[TextReader<char>::BlockSize] = '\n';
    Reader r(big);
    EXPECT_EQ(r.rest().size(), big.size());
    EXPECT_EQ(r.reader.line(), 1);
    EXPECT_TRUE(r.reader.reset());
    EXPECT_EQ(r.reader.line(), 0);
    char buffer[4];
    u32 got = 0;
    r.reader.readUnits(4, buffer, got);
    EXPECT_EQ(got, 4u);

    Reader tiny("xy");
    EXPECT_IO_ERROR(tiny.reader.readUnits(4, buffer, got), IOException::EndOfInput,
                    "base/StringIFlow");
    EXPECT_EQ(got, 2u);

    TextReader<u16> none;
    EXPECT_IO_ERROR(none.readUnit(), IOException::NoSource, "base/TextReader");
    EXPECT_IO_ERROR(none.putBack(1), IOException::NoSource, "base/TextReader");
}
