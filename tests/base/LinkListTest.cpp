#include "base/LinkList.h"

#include "tests/base/Tracked.h"

using namespace ZUM;

namespace {

class LinkListTest : public TrackedTest {
protected:
    LinkList<Tracked> list;
};

TEST_F(LinkListTest, NullIsRefusedSinceItMarksTheEnd) {
    EXPECT_FALSE(list.add(nullptr));
    EXPECT_EQ(list.prepend(nullptr), nullptr);
    list.append(&a);
    EXPECT_FALSE(list.insertBefore(&a, nullptr));
    EXPECT_FALSE(list.insertAfterPosition(1, nullptr));
    EXPECT_FALSE(list.replace(&a, nullptr));
    EXPECT_FALSE(list.contains(nullptr));
    EXPECT_EQ(list.count(), 1);
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

TEST_F(LinkListTest, RemovalMovesTheNextElementIntoTheCell) {
    fill(list, 3);
    std::unique_ptr<Iterator<Tracked>> it(list.iterator());
    it->next(); // on b's cell
    list.remove(&b);
    EXPECT_EQ(it->current(), &c);
    // An iterator at the end stands on the sentinel, which the next append fills.
    while (it->next()) {
    }
    list.append(&x);
    EXPECT_EQ(it->current(), &x);
    EXPECT_EQ(it->position(), 3);
}

} // namespace
