#include "base/LinkList.h"
#include "base/ListProxy.h"
#include "base/NDLinkList.h"

#include "tests/base/Tracked.h"

#include <vector>

using namespace ZUM;

namespace {

class OwnershipTest : public TrackedTest {
protected:
    // Appends new elements with the given names; `kept` owns them until
    // released to a list that owns its elements.
    void fillNew(List<Tracked>& list, const char* names) {
        for (; *names; ++names) kept.emplace_back(list.append(new Tracked(*names)));
    }
    void releaseKept() {
        for (auto& element : kept) element.release();
        kept.clear();
    }

    std::vector<std::unique_ptr<Tracked>> kept;
};

TEST_F(OwnershipTest, LinkListAndPlainNDLinkListNeverDelete) {
    {
        LinkList<Tracked> links;
        NDLinkList<Tracked> nodes;
        fillNew(links, "abc");
        fillNew(nodes, "def");
        links.removeRangeAt(1, 2);
        nodes.removeRangeAt(1, 2);
        links.clear();
        nodes.clear();
        EXPECT_EQ(kept[4]->getNext(), nullptr);
        fillNew(links, "g");
        fillNew(nodes, "h");
    }
    EXPECT_EQ(Tracked::destroyed, 0);
    EXPECT_EQ(kept[7]->getPrevious(), nullptr);
}

TEST_F(OwnershipTest, DeleteAllDeletesThroughTheElementsOwnDestructor) {
    LinkList<Tracked> list;
    list.append(new TrackedChild('a'));
    list.append(new Tracked('b'));
    list.deleteAll();
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(Tracked::destroyed, 2);
    EXPECT_EQ(TrackedChild::childrenDestroyed, 1);
}

TEST_F(OwnershipTest, OwningNDLinkListDeletesOnlyInBulk) {
    {
        NDLinkList<Tracked> list(true);
        fillNew(list, "abcdefg");
        releaseKept();
        // Single removals hand the element back alive and unlinked.
        std::unique_ptr<Tracked> first(list.removeFirst()), last(list.removeLast());
        std::unique_ptr<Tracked> second(list.first()), third(list.item(2));
        EXPECT_TRUE(list.removeAt(1) && list.remove(third.get()));
        EXPECT_EQ(first->getNext(), nullptr);
        EXPECT_EQ(Tracked::destroyed, 0);
        list.removeBeforePosition(2);
        list.removeAfterPosition(1);
        EXPECT_EQ(Tracked::destroyed, 2);
        list.removeRangeAt(1, 1);
        fillNew(list, "hi");
        releaseKept();
        list.clear();
        EXPECT_EQ(Tracked::destroyed, 5);
        fillNew(list, "j");
        releaseKept();
    }
    EXPECT_EQ(Tracked::destroyed, 10);
}

TEST_F(OwnershipTest, ListProxyDeletesItsInnerList) {
    {
        ListProxy<Tracked> owning(std::make_unique<NDLinkList<Tracked>>(true));
        fillNew(owning, "ab");
        releaseKept();
        ListProxy<Tracked> plain(std::make_unique<LinkList<Tracked>>());
        fillNew(plain, "cd");
    }
    EXPECT_EQ(Tracked::destroyed, 2);
}

} // namespace
