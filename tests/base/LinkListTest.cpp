#include "base/LinkList.h"

#include "tests/base/Tracked.h"

#include <climits>

using namespace ZUM;

namespace {

class LinkListTest : public TrackedTest {
protected:
    LinkList<Tracked> list;
};

TEST_F(LinkListTest, PositionsAndLookups) {
    std::unique_ptr<Iterator<Tracked>> it(list.iterator());
    EXPECT_TRUE(it->atEnd());
    EXPECT_EQ(list.first(), nullptr);
    EXPECT_EQ(list.last(), nullptr);
    EXPECT_EQ(list.removeFirst(), nullptr);
    EXPECT_EQ(list.removeLast(), nullptr);

    fill(list, 3);
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list.get(0), &a);
    EXPECT_EQ(list.item(1), &a);
    EXPECT_EQ(list.item(3), &c);
    for (int bad : {0, 4, INT_MIN, INT_MAX}) EXPECT_EQ(list.item(bad), nullptr) << bad;
    EXPECT_EQ(list.get(-1), nullptr);
    EXPECT_EQ(list.get(3), nullptr);
    EXPECT_EQ(list.indexOf(&c), 3);
    EXPECT_EQ(list.indexOf(&x), 0);
    EXPECT_EQ(list.indexOf(nullptr), 0);
    EXPECT_EQ(list.previousOf(&a), nullptr);
    EXPECT_EQ(list.previousOf(&c), &b);
    EXPECT_EQ(list.nextOf(&b), &c);
    EXPECT_EQ(list.nextOf(&c), nullptr);
    EXPECT_EQ(list.nextOf(&x), nullptr);
    EXPECT_FALSE(list.contains(&x));
    EXPECT_FALSE(list.contains(nullptr));
    EXPECT_EQ(list.last(), &c);
}

TEST_F(LinkListTest, RemovalsKeepOrderAndTheSentinel) {
    fill(list, 3);
    EXPECT_TRUE(list.remove(&b));
    EXPECT_EQ(names(list), "ac");
    EXPECT_TRUE(list.remove(&c));
    EXPECT_EQ(list.last(), &a);
    EXPECT_FALSE(list.remove(&c));
    list.append(&d);
    EXPECT_EQ(names(list), "ad");
    EXPECT_EQ(list.removeLast(), &d);
    EXPECT_EQ(list.removeFirst(), &a);
    EXPECT_TRUE(list.isEmpty());
    list.append(&e);
    EXPECT_EQ(names(list), "e");
    EXPECT_TRUE(list.removeAt(1));
    EXPECT_FALSE(list.removeAt(1));
    EXPECT_TRUE(list.isEmpty());
}

TEST_F(LinkListTest, InsertionsRefuseNullAndBadPositions) {
    list.append(&b);
    list.prepend(&a);
    EXPECT_TRUE(list.insertAfter(&b, &d));
    list.append(&e); // after a cell inserted behind the last one
    EXPECT_TRUE(list.insertBefore(&d, &c));
    EXPECT_EQ(names(list), "abcde");
    EXPECT_TRUE(list.insertAt(1, &x));
    EXPECT_TRUE(list.insertAfterPosition(6, &x));
    EXPECT_EQ(names(list), "xabcdex");
    EXPECT_FALSE(list.insertAt(8, &x));
    EXPECT_FALSE(list.insertAt(0, &x));
    EXPECT_FALSE(list.insertAfterPosition(8, &x));
    EXPECT_FALSE(list.insertBefore(nullptr, &x));
    EXPECT_FALSE(list.insertBefore(&a, nullptr));
    EXPECT_FALSE(list.add(nullptr));
    EXPECT_EQ(list.prepend(nullptr), nullptr);
    EXPECT_FALSE(list.replace(&a, nullptr));
    EXPECT_EQ(list.count(), 7);
}

TEST_F(LinkListTest, ReplaceAndSwap) {
    fill(list, 5);
    EXPECT_TRUE(list.swapAt(1, 5));
    EXPECT_EQ(names(list), "ebcda");
    EXPECT_TRUE(list.swap(&b, &d));
    EXPECT_TRUE(list.swapAt(2, 2));
    EXPECT_FALSE(list.swapAt(1, 6));
    EXPECT_FALSE(list.swap(&a, &x));
    EXPECT_TRUE(list.replace(&c, &x));
    EXPECT_TRUE(list.replaceAt(1, &c));
    EXPECT_FALSE(list.replaceAt(6, &c));
    EXPECT_EQ(names(list), "cdxba");
}

TEST_F(LinkListTest, BulkRemovals) {
    fill(list, 5);
    EXPECT_TRUE(list.removeRangeAt(3, 1));
    EXPECT_EQ(names(list), "de");
    list.clear();
    fill(list, 5);
    EXPECT_FALSE(list.removeRangeAt(0, 2));
    EXPECT_FALSE(list.removeRangeAt(2, 6));
    EXPECT_FALSE(list.removeRange(&a, &x));
    EXPECT_TRUE(list.removeRange(&d, &b));
    EXPECT_TRUE(list.removeRange(&e, &e)); // the run ends at the last element
    list.append(&b);
    EXPECT_EQ(names(list), "ab");
    list.clear();
    fill(list, 5);
    EXPECT_TRUE(list.removeBefore(&c));
    EXPECT_TRUE(list.removeAfter(&d));
    EXPECT_EQ(names(list), "cd");
    EXPECT_TRUE(list.removeBeforePosition(1));
    EXPECT_FALSE(list.removeAfterPosition(3));
    EXPECT_TRUE(list.removeAfterPosition(1));
    EXPECT_FALSE(list.removeBefore(&x));
    list.append(&e);
    EXPECT_EQ(names(list), "ce");
}

TEST_F(LinkListTest, RepeatedPointersAreFoundFirstAndAddressedByPosition) {
    list.append(&a);
    list.append(&b);
    list.append(&a);
    EXPECT_TRUE(list.swapAt(2, 3));
    EXPECT_EQ(names(list), "aab");
    EXPECT_TRUE(list.remove(&a));
    EXPECT_EQ(list.indexOf(&a), 1);
    EXPECT_EQ(names(list), "ab");
}

TEST_F(LinkListTest, IteratorMovesBothWays) {
    fill(list, 5);
    std::unique_ptr<Iterator<Tracked>> it(list.iterator());
    it->next();
    it->next();
    EXPECT_EQ(it->current(), &c);
    EXPECT_EQ(it->position(), 3);
    EXPECT_EQ(it->toLast(), &e);
    EXPECT_EQ(namesBackwards(*it), "edcba");
    EXPECT_EQ(it->position(), 0);
    EXPECT_EQ(it->previous(), nullptr);
    EXPECT_TRUE(it->atEnd());
    EXPECT_EQ(it->toFirst(), &a);
    EXPECT_TRUE(it->hasCurrent());
    // An iterator at the end stays usable when elements are added.
    while (it->next()) {
    }
    list.append(&x);
    EXPECT_EQ(it->current(), &x);
    EXPECT_EQ(it->position(), 6);
}

} // namespace
