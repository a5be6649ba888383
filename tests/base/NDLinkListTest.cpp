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
    EXPECT_TRUE(list.remove(&b));
    EXPECT_TRUE(detached(b));
    EXPECT_EQ(a.getNext(), &c);
    Tracked copy(a);
    EXPECT_TRUE(detached(copy));
}

TEST_F(NDLinkListTest, LinkedElementsAreRefused) {
    fill(list, 2);
    EXPECT_EQ(list.append(&a), nullptr);
    EXPECT_EQ(list.prepend(&a), nullptr); // the only head has no links of its own
    EXPECT_FALSE(list.insertAfter(&a, &b));
    EXPECT_FALSE(list.replace(&a, &b));
    NDLinkList<Tracked> other;
    EXPECT_FALSE(other.add(&b));
    EXPECT_EQ(names(list), "ab");
}

TEST_F(NDLinkListTest, AbsentElementLeavesBulkRemovalsUndone) {
    fill(list, 3);
    EXPECT_FALSE(list.removeBefore(&x));
    EXPECT_FALSE(list.removeRange(&a, &x));
    EXPECT_EQ(names(list), "abc");
}

TEST_F(NDLinkListTest, IteratorOnATakenElementEnds) {
    fill(list, 3);
    std::unique_ptr<Iterator<Tracked>> it(list.iterator());
    it->next();
    list.remove(&b);
    EXPECT_EQ(it->position(), 0);
    EXPECT_EQ(it->next(), &b);
    EXPECT_TRUE(it->atEnd());
}

} // namespace
