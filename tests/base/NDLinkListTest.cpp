#include "base/NDLinkList.h"

#include "tests/base/Tracked.h"

using namespace ZUM;

namespace {

class NDLinkListTest : public TrackedTest {
protected:
    static bool detached(const Tracked& element) {
        return !element.getNext() && !element.getPrevious();
    }

    NDLinkList<Tracked> list;
};

TEST_F(NDLinkListTest, LinksLiveInTheElements) {
    EXPECT_TRUE(list.add(nullptr));
    EXPECT_FALSE(list.remove(nullptr));
    EXPECT_TRUE(list.isEmpty());
    fill(list, 3);
    EXPECT_EQ(a.getNext(), &b);
    EXPECT_EQ(c.getPrevious(), &b);
    EXPECT_EQ(list.item(3), &c);
    EXPECT_EQ(list.item(4), nullptr);
    EXPECT_EQ(list.indexOf(&x), 0);
    EXPECT_EQ(list.previousOf(&a), nullptr);
    EXPECT_EQ(list.nextOf(&b), &c);
    EXPECT_EQ(list.nextOf(&x), nullptr);
    EXPECT_TRUE(list.remove(&b));
    EXPECT_TRUE(detached(b));
    EXPECT_EQ(names(list), "ac");
    EXPECT_EQ(list.removeLast(), &c);
    EXPECT_EQ(list.last(), &a);
}

TEST_F(NDLinkListTest, LinkedElementsAreRefused) {
    fill(list, 2);
    EXPECT_EQ(list.append(&a), nullptr);
    EXPECT_EQ(list.prepend(&a), nullptr); // the head has no links of its own
    EXPECT_FALSE(list.insertAfter(&a, &b));
    EXPECT_FALSE(list.replace(&a, &b));
    NDLinkList<Tracked> other;
    EXPECT_FALSE(other.add(&b));
    EXPECT_EQ(names(list), "ab");
    Tracked copy(a);
    EXPECT_TRUE(detached(copy));
}

TEST_F(NDLinkListTest, InsertReplaceAndSwap) {
    list.append(&c);
    EXPECT_TRUE(list.insertBefore(&c, &b));
    EXPECT_TRUE(list.insertAt(1, &a));
    EXPECT_TRUE(list.insertAfter(&c, &e));
    EXPECT_TRUE(list.insertAfterPosition(3, &d));
    EXPECT_FALSE(list.insertAt(6, &x));
    EXPECT_FALSE(list.insertBefore(nullptr, &x));
    EXPECT_EQ(names(list), "abcde");
    EXPECT_TRUE(list.swapAt(1, 5)); // the ends
    EXPECT_TRUE(list.swap(&b, &c)); // neighbours
    EXPECT_TRUE(list.swap(&b, &c)); // and back
    EXPECT_TRUE(list.swap(&d, &b)); // across one
    EXPECT_EQ(names(list), "edcba");
    EXPECT_EQ(list.first()->getPrevious(), nullptr);
    EXPECT_EQ(list.last()->getNext(), nullptr);
    EXPECT_TRUE(list.replace(&e, &x));
    EXPECT_TRUE(detached(e));
    EXPECT_TRUE(list.replaceAt(5, &e));
    EXPECT_EQ(names(list), "xdcbe");
    EXPECT_EQ(list.previousOf(&e), &b);
}

TEST_F(NDLinkListTest, BulkRemovals) {
    fill(list, 5);
    EXPECT_TRUE(list.removeRangeAt(3, 1));
    EXPECT_EQ(names(list), "de");
    EXPECT_TRUE(detached(a) && detached(b) && detached(c));
    EXPECT_FALSE(list.removeBefore(&a)); // absent: the list stays as it is
    EXPECT_EQ(names(list), "de");
    EXPECT_TRUE(list.removeBefore(&e));
    EXPECT_EQ(list.first(), &e);
    list.clear();
    fill(list, 5);
    EXPECT_TRUE(list.removeAfterPosition(4));
    EXPECT_TRUE(list.removeRange(&d, &c));
    EXPECT_TRUE(list.removeBeforePosition(2));
    EXPECT_FALSE(list.removeAfter(&x));
    EXPECT_EQ(names(list), "b");
}

TEST_F(NDLinkListTest, IteratorMovesBothWaysAndEndsOnATakenElement) {
    fill(list, 5);
    std::unique_ptr<Iterator<Tracked>> it(list.iterator());
    it->next();
    it->next();
    EXPECT_EQ(it->position(), 3);
    EXPECT_EQ(it->toLast(), &e);
    EXPECT_EQ(namesBackwards(*it), "edcba");
    EXPECT_EQ(it->position(), 0);
    it->toFirst();
    it->next();
    list.remove(&b);
    EXPECT_EQ(it->next(), &b);
    EXPECT_TRUE(it->atEnd());
}

} // namespace
