#include "base/LinkList.h"

#include "tests/base/Tracked.h"

using namespace ZUM;

namespace {

class XListTest : public TrackedTest {
protected:
    XListTest() { fill(source, 5); }

    Tracked p{'p'}, q{'q'};
    LinkList<Tracked> source; // a b c d e
    LinkList<Tracked> list;
};

TEST_F(XListTest, AppendAndPrependKeepTheSourceOrder) {
    EXPECT_TRUE(list.appendRange(source, 4, 2));
    EXPECT_TRUE(list.appendAll(&source));
    EXPECT_FALSE(list.appendAll(static_cast<Collection<Tracked>*>(nullptr)));
    EXPECT_EQ(names(list), "bcdabcde");
    list.clear();
    EXPECT_TRUE(list.prependRange(source, 1, 2)); // into an empty list
    EXPECT_TRUE(list.prependAll(source));
    EXPECT_EQ(names(list), "abcdeab");
}

TEST_F(XListTest, InsertionsAtAPlaceAndBadRangesThatChangeNothing) {
    list.append(&p);
    list.append(&q);
    EXPECT_TRUE(list.insertRangeAt(2, source, 1, 2));
    EXPECT_TRUE(list.insertRangeBefore(&p, source, 5, 5));
    EXPECT_TRUE(list.insertRangeAfter(&q, source, 3, 3));
    EXPECT_TRUE(list.insertRangeAfterPosition(1, source, 4, 4));
    EXPECT_EQ(names(list), "edpabqc");
    EXPECT_TRUE(list.insertAllAfter(&c, source));
    EXPECT_TRUE(list.insertAllAt(1, source));
    EXPECT_EQ(names(list), "abcdeedpabqcabcde");
    for (int bad : {0, -1, 6}) {
        EXPECT_FALSE(list.appendRange(source, bad, 2));
        EXPECT_FALSE(list.assignRange(source, 1, bad));
    }
    EXPECT_FALSE(list.insertRangeAt(18, source, 1, 1));
    EXPECT_FALSE(list.insertAllBefore(&x, source));
    EXPECT_FALSE(list.insertAllAfterPosition(0, source));
    EXPECT_EQ(list.count(), 17);
}

TEST_F(XListTest, AssignmentsAlsoFromTheListItself) {
    EXPECT_TRUE(list.assignAll(source));
    EXPECT_EQ(names(list), "abcde");
    EXPECT_TRUE(list.assignReversed(source));
    EXPECT_EQ(names(list), "edcba");
    EXPECT_TRUE(list.assignReversed(list));
    EXPECT_EQ(names(list), "abcde");
    EXPECT_TRUE(list.assignRange(list, 3, 2));
    EXPECT_EQ(names(list), "bc");
    EXPECT_TRUE(list.appendAll(list));
    EXPECT_EQ(names(list), "bcbc");
}

TEST_F(XListTest, RemovalsStopAtTheFirstAbsentElement) {
    list.assignAll(source);
    EXPECT_TRUE(list.removeRangeOf(source, 2, 1));
    EXPECT_EQ(names(list), "cde");
    EXPECT_FALSE(list.removeAllOf(source)); // a is not there
    EXPECT_EQ(names(list), "cde");
    LinkList<Tracked> other;
    other.append(&d);
    other.append(&p);
    other.append(&c);
    EXPECT_FALSE(list.removeAllOf(other));
    EXPECT_EQ(names(list), "ce");
}

} // namespace
