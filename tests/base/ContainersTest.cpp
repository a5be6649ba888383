#include "base/AVLDict.h"
#include "base/LinkList.h"
#include "base/ListProxy.h"
#include "base/NDLinkList.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

using namespace ZUM;

namespace {

// Container element that counts its destructions, to show where a container
// owns its elements.
struct Tracked : NDLinkListNode<Tracked> {
    explicit Tracked(char name = '?') : name(name) {}
    virtual ~Tracked() { ++destroyed; }
    char name;
    static inline int destroyed = 0;
};

// Deleted through a Tracked pointer, it shows that the element's own destructor runs.
struct TrackedChild : Tracked {
    using Tracked::Tracked;
    ~TrackedChild() override { ++childrenDestroyed; }
    static inline int childrenDestroyed = 0;
};

// Resets the counters and offers named elements a to e, p, q and a spare x.
class TrackedTest : public ::testing::Test {
protected:
    void SetUp() override { Tracked::destroyed = TrackedChild::childrenDestroyed = 0; }
    // Appends the named elements.
    void fill(List<Tracked>& list, const char* names) {
        for (; *names; ++names) list.append(&items[std::strchr("abcdepqx", *names) - "abcdepqx"]);
    }
    // Appends new elements with the given names; `kept` owns them until
    // released to a list that owns its elements.
    void fillNew(List<Tracked>& list, const char* names, bool release = false) {
        for (; *names; ++names) kept.emplace_back(list.append(new Tracked(*names)));
        if (release) {
            for (auto& element : kept) element.release();
            kept.clear();
        }
    }

    Tracked items[8] = {Tracked('a'), Tracked('b'), Tracked('c'), Tracked('d'),
                        Tracked('e'), Tracked('p'), Tracked('q'), Tracked('x')};
    Tracked &a = items[0], &b = items[1], &c = items[2], &d = items[3], &e = items[4];
    Tracked &p = items[5], &q = items[6], &x = items[7];
    std::vector<std::unique_ptr<Tracked>> kept;
};

// The elements' names in iteration order.
std::string names(const Collection<Tracked>& collection) {
    std::string result;
    std::unique_ptr<Iterator<Tracked>> it(collection.iterator());
    while (Tracked* element = it->next()) result += element->name;
    return result;
}

bool detached(const Tracked& element) {
    return !element.getNext() && !element.getPrevious();
}

// A proxy over a new inner list of the given kind, as the DOM child list is.
template <class Inner>
struct ProxyOver : ListProxy<Tracked> {
    ProxyOver() : ListProxy<Tracked>(std::make_unique<Inner>()) {}
};

// What every list kind does alike; run through the proxies it also shows that
// each operation reaches the inner list.
template <class L>
class ListContract : public TrackedTest {
protected:
    L list;
};

using ListKinds = ::testing::Types<LinkList<Tracked>, NDLinkList<Tracked>,
                                   ProxyOver<LinkList<Tracked>>, ProxyOver<NDLinkList<Tracked>>>;
TYPED_TEST_SUITE(ListContract, ListKinds);

TYPED_TEST(ListContract, PositionsAndLookups) {
    List<Tracked>& list = this->list;
    auto& [a, b, c, d, e, p, q, x] = this->items;
    std::unique_ptr<Iterator<Tracked>> it(list.iterator());
    EXPECT_TRUE(it->atEnd());
    EXPECT_EQ(list.removeFirst(), nullptr);
    EXPECT_EQ(list.removeLast(), nullptr);
    this->fill(list, "abc");
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list.get(0), &a);
    EXPECT_EQ(list.item(1), &a);
    EXPECT_EQ(list.item(3), &c);
    for (int bad : {0, 4, INT_MIN, INT_MAX}) EXPECT_EQ(list.item(bad), nullptr) << bad;
    EXPECT_EQ(list.get(-1), nullptr);
    EXPECT_EQ(list.indexOf(&c), 3);
    EXPECT_EQ(list.indexOf(&d), 0);
    EXPECT_EQ(list.previousOf(&a), nullptr);
    EXPECT_EQ(list.previousOf(&c), &b);
    EXPECT_EQ(list.nextOf(&c), nullptr);
    EXPECT_FALSE(list.contains(&e));
    EXPECT_EQ(list.last(), &c);
}

TYPED_TEST(ListContract, InsertionsAndSingleRemovals) {
    List<Tracked>& list = this->list;
    auto& [a, b, c, d, e, p, q, x] = this->items;
    list.add(&b);
    list.prepend(&a);
    EXPECT_TRUE(list.insertAfter(&b, &d));
    list.append(&e); // behind an element that was inserted last
    EXPECT_TRUE(list.insertBefore(&d, &c));
    EXPECT_EQ(names(list), "abcde");
    EXPECT_FALSE(list.insertAt(6, &x));
    EXPECT_FALSE(list.insertAfterPosition(0, &x));
    EXPECT_FALSE(list.insertBefore(nullptr, &x));
    EXPECT_TRUE(list.remove(&c)); // the middle
    EXPECT_TRUE(list.remove(&e)); // the last
    EXPECT_FALSE(list.remove(&e));
    EXPECT_EQ(list.last(), &d);
    EXPECT_TRUE(list.insertAt(1, &e));
    EXPECT_TRUE(list.insertAfterPosition(4, &c));
    EXPECT_EQ(names(list), "eabdc");
    EXPECT_EQ(list.removeFirst(), &e);
    EXPECT_EQ(list.removeLast(), &c);
    EXPECT_TRUE(list.removeAt(2));
    EXPECT_FALSE(list.removeAt(3));
    EXPECT_EQ(names(list), "ad");
}

TYPED_TEST(ListContract, ReplaceAndSwap) {
    List<Tracked>& list = this->list;
    auto& [a, b, c, d, e, p, q, x] = this->items;
    this->fill(list, "abcdx");
    EXPECT_TRUE(list.replaceAt(5, &e));
    EXPECT_TRUE(list.swapAt(1, 5)); // the ends
    EXPECT_TRUE(list.swap(&c, &b)); // neighbours
    EXPECT_TRUE(list.swap(&c, &d)); // across one
    EXPECT_TRUE(list.swapAt(2, 2));
    EXPECT_FALSE(list.swapAt(1, 6));
    EXPECT_EQ(names(list), "edbca");
    EXPECT_TRUE(list.replace(&b, &x));
    EXPECT_FALSE(list.replace(&b, &x));
    EXPECT_EQ(names(list), "edxca");
}

TYPED_TEST(ListContract, BulkRemovals) {
    List<Tracked>& list = this->list;
    auto& [a, b, c, d, e, p, q, x] = this->items;
    this->fill(list, "abcde");
    EXPECT_TRUE(list.removeRangeAt(3, 1));
    EXPECT_EQ(names(list), "de");
    list.clear();
    this->fill(list, "abcde");
    EXPECT_FALSE(list.removeRangeAt(0, 2));
    EXPECT_FALSE(list.removeRangeAt(2, 6));
    EXPECT_FALSE(list.removeRange(&a, &x));
    EXPECT_TRUE(list.removeRange(&d, &b));
    EXPECT_TRUE(list.removeRange(&e, &e)); // a run that ends at the last element
    list.append(&b);
    EXPECT_EQ(names(list), "ab");
    list.clear();
    this->fill(list, "abcde");
    EXPECT_TRUE(list.removeBefore(&b));
    EXPECT_TRUE(list.removeAfter(&d));
    EXPECT_FALSE(list.removeAfterPosition(4));
    EXPECT_TRUE(list.removeAfterPosition(2));
    EXPECT_TRUE(list.removeBeforePosition(2));
    EXPECT_FALSE(list.removeBefore(&a));
    EXPECT_EQ(names(list), "c");
}

TYPED_TEST(ListContract, IteratorMovesBothWays) {
    List<Tracked>& list = this->list;
    this->fill(list, "abcde");
    std::unique_ptr<Iterator<Tracked>> it(list.iterator());
    it->next();
    it->next();
    EXPECT_EQ(it->current(), &this->c);
    EXPECT_EQ(it->position(), 3);
    std::string backwards;
    for (it->toLast(); Tracked* element = it->previous();) backwards += element->name;
    EXPECT_EQ(backwards, "edcba");
    EXPECT_TRUE(it->atEnd());
    EXPECT_EQ(it->position(), 0);
    EXPECT_EQ(it->previous(), nullptr); // the end stays the end
    EXPECT_EQ(it->toLast(), &this->e);
    EXPECT_EQ(it->position(), 5);
    EXPECT_EQ(it->toFirst(), &this->a);
}

// The removal pattern the iterator's documentation recommends, on every kind.
TYPED_TEST(ListContract, RemovalWhileWalkingTakesTheFollowingElementFirst) {
    List<Tracked>& list = this->list;
    this->fill(list, "abcde");
    for (Tracked* element = list.first(); element;) {
        Tracked* following = list.nextOf(element);
        if (element->name != 'c') list.remove(element);
        element = following;
    }
    EXPECT_EQ(names(list), "c");
}

using LinkListTest = TrackedTest;

TEST_F(LinkListTest, NullIsRefusedSinceItMarksTheEnd) {
    LinkList<Tracked> list;
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
    LinkList<Tracked> list;
    fill(list, "aba");
    EXPECT_TRUE(list.swapAt(2, 3));
    EXPECT_EQ(names(list), "aab");
    EXPECT_TRUE(list.remove(&a));
    EXPECT_EQ(list.indexOf(&a), 1);
    EXPECT_EQ(names(list), "ab");
}

TEST_F(LinkListTest, RemovalMovesTheNextElementIntoTheCell) {
    LinkList<Tracked> list;
    fill(list, "abc");
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

using NDLinkListTest = TrackedTest;

TEST_F(NDLinkListTest, LinksLiveInTheElements) {
    NDLinkList<Tracked> list;
    EXPECT_TRUE(list.add(nullptr));
    EXPECT_FALSE(list.remove(nullptr));
    EXPECT_TRUE(list.isEmpty());
    fill(list, "abc");
    EXPECT_EQ(a.getNext(), &b);
    EXPECT_EQ(c.getPrevious(), &b);
    EXPECT_TRUE(list.remove(&b));
    EXPECT_TRUE(detached(b));
    EXPECT_EQ(a.getNext(), &c);
    Tracked copy(a);
    EXPECT_TRUE(detached(copy));
}

TEST_F(NDLinkListTest, LinkedOrAbsentElementsChangeNothing) {
    NDLinkList<Tracked> list, other;
    fill(list, "abc");
    EXPECT_EQ(list.append(&a), nullptr);
    EXPECT_EQ(list.prepend(&a), nullptr); // the only head has no links of its own
    EXPECT_FALSE(list.insertAfter(&a, &b));
    EXPECT_FALSE(list.replace(&a, &b));
    EXPECT_FALSE(other.add(&b));
    EXPECT_FALSE(list.removeBefore(&x));
    EXPECT_FALSE(list.removeRange(&a, &x));
    EXPECT_EQ(names(list), "abc");
}

TEST_F(NDLinkListTest, PrependAllMovesAWholeListToTheFrontInOrder) {
    NDLinkList<Tracked> list, front, empty;
    fill(list, "c");
    fill(front, "ab");
    list.prependAll(front);
    EXPECT_EQ(names(list), "abc");
    EXPECT_EQ(c.getPrevious(), &b);
    EXPECT_TRUE(front.isEmpty());
    empty.prependAll(list); // into an empty list, whose last is then the moved tail
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(empty.removeLast(), &c);
    EXPECT_EQ(names(empty), "ab");
}

TEST_F(NDLinkListTest, IteratorOnATakenElementEnds) {
    NDLinkList<Tracked> list;
    fill(list, "abc");
    std::unique_ptr<Iterator<Tracked>> it(list.iterator());
    it->next();
    list.remove(&b);
    EXPECT_EQ(it->position(), 0);
    EXPECT_EQ(it->next(), &b);
    EXPECT_TRUE(it->atEnd());
}

class XListTest : public TrackedTest {
protected:
    XListTest() { fill(source, "abcde"); }
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
    fill(list, "pq");
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
    fill(other, "dpc");
    EXPECT_FALSE(list.removeAllOf(other));
    EXPECT_EQ(names(list), "ce");
}

using OwnershipTest = TrackedTest;

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
        fillNew(list, "abcdefg", true);
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
        fillNew(list, "hi", true);
        list.clear();
        EXPECT_EQ(Tracked::destroyed, 5);
        fillNew(list, "j", true);
    }
    EXPECT_EQ(Tracked::destroyed, 10);
}

TEST_F(OwnershipTest, ListProxyDeletesItsInnerList) {
    {
        ListProxy<Tracked> owning(std::make_unique<NDLinkList<Tracked>>(true));
        fillNew(owning, "ab", true);
        ListProxy<Tracked> plain(std::make_unique<LinkList<Tracked>>());
        fillNew(plain, "cd");
    }
    EXPECT_EQ(Tracked::destroyed, 2);
}

struct Item {
    int key;
};

class IntDict : public AVLDict<Item, int> {
public:
    const int* keyOf(Item* item) const override { return &item->key; }
    int compare(const int* a, const int* b) const override { return (*a > *b) - (*a < *b); }

    // Parent links, stored heights and the balance of every node.
    bool isSound() const { return heightIfSound(root, nullptr) >= 0; }
    std::vector<int> keys() const {
        std::vector<int> keys;
        std::unique_ptr<Iterator<Item>> it(iterator());
        while (Item* item = it->next()) keys.push_back(item->key);
        return keys;
    }

private:
    static int heightIfSound(const TreeNode* node, const TreeNode* parent) {
        if (!node) return 0;
        int hl = heightIfSound(node->left, node), hr = heightIfSound(node->right, node);
        bool sound = hl >= 0 && hr >= 0 && node->parent == parent && std::abs(hl - hr) <= 1 &&
                     node->height() == std::max(hl, hr) + 1;
        return sound ? node->height() : -1;
    }
};

class AVLDictTest : public ::testing::Test {
protected:
    AVLDictTest() {
        for (int key = 0; key < static_cast<int>(items.size()); ++key) items[key].key = key;
    }
    // A new dictionary holding the given keys, added in that order.
    std::unique_ptr<IntDict> dictOf(const std::vector<int>& keys) {
        auto dict = std::make_unique<IntDict>();
        for (int key : keys) EXPECT_TRUE(dict->add(&items[key])) << key;
        return dict;
    }

    std::vector<Item> items = std::vector<Item>(1001);
};

TEST_F(AVLDictTest, OneElementPerKeyFoundByContent) {
    auto dict = dictOf({5, 3});
    Item twin{5};
    EXPECT_FALSE(dict->add(&twin));
    EXPECT_FALSE(dict->add(nullptr));
    EXPECT_EQ(dict->get(&twin.key), &items[5]);
    EXPECT_TRUE(dict->contains(&twin));
    EXPECT_TRUE(dict->remove(&twin)); // by key: the stored element goes
    EXPECT_FALSE(dict->contains(&items[5]));
    EXPECT_EQ(dict->get(nullptr), nullptr);
    EXPECT_EQ(dict->count(), 1);
}

TEST_F(AVLDictTest, IteratesInKeyOrderBothWays) {
    auto dict = dictOf({7, 2, 9, 1, 5, 8, 3, 6, 4});
    EXPECT_EQ(dict->keys(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    std::unique_ptr<Iterator<Item>> it(dict->iterator());
    it->next();
    it->next();
    EXPECT_EQ(it->position(), 3);
    EXPECT_EQ(it->toLast()->key, 9);
    int expected = 9;
    while (Item* item = it->previous()) EXPECT_EQ(item->key, expected--);
    EXPECT_EQ(expected, 0);
    EXPECT_EQ(it->position(), 0);
    EXPECT_EQ(it->toFirst()->key, 1);
}

// Every change is checked, so each rotation and each shape of removal (a leaf,
// one child, either child or the predecessor moving up) is met many times over;
// sound balance at every node bounds the height.
TEST_F(AVLDictTest, RandomChangesMatchStdSet) {
    IntDict dict;
    std::set<int> expected;
    std::mt19937 random(20240611);
    for (int step = 1; step <= 6000; ++step) {
        int key = static_cast<int>(random() % 300);
        if (random() % 2)
            ASSERT_EQ(dict.add(&items[key]), expected.insert(key).second);
        else
            ASSERT_EQ(dict.remove(&items[key]), expected.erase(key) == 1);
        ASSERT_TRUE(dict.isSound()) << step;
        ASSERT_EQ(dict.keys(), std::vector<int>(expected.begin(), expected.end())) << step;
    }
    dict.clear();
    EXPECT_TRUE(dict.isEmpty());
}

TEST_F(AVLDictTest, BulkOperationsGoOnAfterAFailure) {
    LinkList<Item> others;
    for (int key : {4, 2, 4, 6}) others.append(&items[key]);
    auto dict = dictOf({2});
    EXPECT_FALSE(dict->addAll(others));
    EXPECT_EQ(dict->keys(), (std::vector<int>{2, 4, 6}));
    EXPECT_FALSE(dict->removeAll(others));
    EXPECT_TRUE(dict->isEmpty());
}

} // namespace
