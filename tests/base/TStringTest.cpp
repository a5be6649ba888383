#include "base/TString.h"

#include <gtest/gtest.h>

#include <new>

using namespace ZUM;

namespace {

Utf16String units(std::initializer_list<u16> list) {
    return Utf16String(list.begin(), static_cast<u32>(list.size()));
}

} // namespace

TEST(TStringGrowth, DefaultCapacityIsTenUnitsAndGrowsExactly) {
    Utf16String s;
    EXPECT_EQ(s.capacityBytes(), 20u);
    EXPECT_EQ(s.length(), 0u);
    for (u16 i = 0; i < 10; ++i) s.push(i);
    EXPECT_EQ(s.capacityBytes(), 20u);
    s.push(10);
    EXPECT_EQ(s.capacityBytes(), 22u);
    EXPECT_EQ(s.length(), 11u);
    EXPECT_EQ(s[10], 10);

    TString<u32> wide;
    EXPECT_EQ(wide.capacityBytes(), 40u);
    Utf8String fromEmpty("", 0);
    EXPECT_EQ(fromEmpty.capacityBytes(), 1u);
    Utf8String exact("abc");
    EXPECT_EQ(exact.capacityBytes(), 3u);
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
    EXPECT_TRUE(s == "abcabc");
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
    EXPECT_EQ(full.length(), 4u);

    Utf8String gap("xabc");
    gap.erase(0, 1);
    EXPECT_STREQ(gap.terminate(), "abc");
    EXPECT_EQ(gap.capacityBytes(), 4u);
    EXPECT_EQ(gap.frontGap(), 0u);

    Utf16String wide(u"hi");
    const u16* t = wide.terminate();
    EXPECT_EQ(t[2], 0);
    EXPECT_EQ(wide.capacityBytes(), 6u);
}

TEST(TStringCompare, PrefixesSignednessAndCase) {
    Utf8String ab("ab"), abc("abc");
    EXPECT_EQ(ab.compare(abc), -1);
    EXPECT_EQ(abc.compare(ab), 1);
    EXPECT_EQ(ab.compare("ab"), 0);
    Utf8String high("\x80"), low("\x41");
    EXPECT_EQ(high.compare(low), -1); // bytes compare as signed char
    Utf16String wideHigh = units({0x8000}), wideLow = units({0x41});
    EXPECT_EQ(wideHigh.compare(wideLow), 1); // wider units compare unsigned
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
    TSubString<char> longer(s, 99);
    EXPECT_EQ(longer.length(), 4u);
    Utf8String copy(prefix);
    EXPECT_TRUE(copy == "ell");
    EXPECT_EQ(copy.capacityBytes(), 3u);
    Utf8String other;
    other.append(prefix);
    EXPECT_TRUE(other == "ell");
    EXPECT_EQ(s.offset(), 0u);
    EXPECT_EQ(s.pointerAt(1), s.data() + 1);
}

TEST(TStringAllocation, ImpossibleSizesRaiseBadAlloc) {
    TString<u32> s;
    EXPECT_THROW(s.reserve(0x40000000u), std::bad_alloc);
}
