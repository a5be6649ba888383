#include "base/LinkList.h"
#include "base/ListProxy.h"
#include "base/NDLinkList.h"

#include "tests/base/Tracked.h"

#include <vector>

using namespace ZUM;

namespace {

class OwnershipTest : public TrackedTest {
protected:
    // Makes the named elements and appends them; `keep` holds them when the
    // list is not expected to own them.
    void fillNew(List<Tracked>& list, const char* names) {
        for (; *names; ++names) {
            Tracked* element = new Tracked(*names);
            list.append(element);
            kept.emplace_back(element);
        }
    }
    void releaseKept() {
        for (auto& element : kept) element.release();
        kept.clear();
    }

    std::vector<std::unique_ptr<Tracked>> kept;
};

TEST_F(OwnershipTest, LinkListNeverDeletesItsElements) {
    {
        LinkList<Tracked> list;
        fillNew(list, "abc");
        list.removeRangeAt(1, 2);
        list.clear();
        fillNew(list, "de");
    }
    EXPECT_EQ(Tracked::destroyed, 0);
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
        fillNew(list, "abcdefgh");
        releaseKept();
        // Single removals hand the element back alive and unlinked.
        std::unique_ptr<Tracked> first(list.removeFirst());
        std::unique_ptr<Tracked> last(list.removeLast());
        std::unique_ptr<Tracked> second(list.item(1));
        EXPECT_TRUE(list.removeAt(1));
        std::unique_ptr<Tracked> third(list.item(1));
        EXPECT_TRUE(list.remove(third.get()));
        EXPECT_EQ(first->getNext(), nullptr);
        EXPECT_EQ(Tracked::destroyed, 0);
        EXPECT_EQ(names(list), "defg");
        list.removeBeforePosition(2);
        list.removeAfterPosition(2);
        EXPECT_EQ(Tracked::destroyed, 2);
        list.removeRangeAt(2, 1);
        EXPECT_EQ(Tracked::destroyed, 4);
        fillNew(list, "ij");
        releaseKept();
        list.clear();
        EXPECT_EQ(Tracked::destroyed, 6);
        fillNew(list, "kl");
        releaseKept();
    }
    EXPECT_EQ(Tracked::destroyed, 12);
}

TEST_F(OwnershipTest, PlainNDLinkListOnlyDetaches) {
    {
        NDLinkList<Tracked> list;
        fillNew(list, "abc");
        list.removeRangeAt(1, 1);
        list.clear();
        EXPECT_EQ(kept[1]->getNext(), nullptr);
        EXPECT_EQ(kept[1]->getPrevious(), nullptr);
        fillNew(list, "de");
    }
    EXPECT_EQ(Tracked::destroyed, 0);
    EXPECT_EQ(kept[3]->getNext(), nullptr);
}

TEST_F(OwnershipTest, ListProxyDeletesItsInnerList) {
    {
        ListProxy<Tracked> proxy(std::make_unique<NDLinkList<Tracked>>(true));
        fillNew(proxy, "ab");
        releaseKept();
        ListProxy<Tracked> plain(std::make_unique<LinkList<Tracked>>());
        fillNew(plain, "cd");
    }
    EXPECT_EQ(Tracked::destroyed, 2);
}

} // namespace
