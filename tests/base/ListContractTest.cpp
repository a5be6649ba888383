#include "base/LinkList.h"
#include "base/ListProxy.h"
#include "base/NDLinkList.h"

#include "tests/base/Tracked.h"

#include <climits>

using namespace ZUM;

namespace {

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
    auto& [a, b, c, d, e] = this->items;
    std::unique_ptr<Iterator<Tracked>> it(list.iterator());
    EXPECT_TRUE(it->atEnd());
    EXPECT_EQ(list.removeFirst(), nullptr);
    EXPECT_EQ(list.removeLast(), nullptr);
    this->fill(list, 3);
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
    auto& [a, b, c, d, e] = this->items;
    list.add(&b);
    list.prepend(&a);
    EXPECT_TRUE(list.insertAfter(&b, &d));
    list.append(&e); // behind an element that was inserted last
    EXPECT_TRUE(list.insertBefore(&d, &c));
    EXPECT_EQ(names(list), "abcde");
    EXPECT_FALSE(list.insertAt(6, &this->x));
    EXPECT_FALSE(list.insertAfterPosition(0, &this->x));
    EXPECT_FALSE(list.insertBefore(nullptr, &this->x));
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
    auto& [a, b, c, d, e] = this->items;
    this->fill(list, 4);
    list.append(&this->x);
    EXPECT_TRUE(list.replaceAt(5, &e));
    EXPECT_TRUE(list.swapAt(1, 5)); // the ends
    EXPECT_TRUE(list.swap(&c, &b)); // neighbours
    EXPECT_TRUE(list.swap(&c, &d)); // across one
    EXPECT_TRUE(list.swapAt(2, 2));
    EXPECT_FALSE(list.swapAt(1, 6));
    EXPECT_EQ(names(list), "edbca");
    EXPECT_TRUE(list.replace(&b, &this->x));
    EXPECT_FALSE(list.replace(&b, &this->x));
    EXPECT_EQ(names(list), "edxca");
}

TYPED_TEST(ListContract, BulkRemovals) {
    List<Tracked>& list = this->list;
    auto& [a, b, c, d, e] = this->items;
    this->fill(list, 5);
    EXPECT_TRUE(list.removeRangeAt(3, 1));
    EXPECT_EQ(names(list), "de");
    list.clear();
    this->fill(list, 5);
    EXPECT_FALSE(list.removeRangeAt(0, 2));
    EXPECT_FALSE(list.removeRangeAt(2, 6));
    EXPECT_FALSE(list.removeRange(&a, &this->x));
    EXPECT_TRUE(list.removeRange(&d, &b));
    EXPECT_TRUE(list.removeRange(&e, &e)); // a run that ends at the last element
    list.append(&b);
    EXPECT_EQ(names(list), "ab");
    list.clear();
    this->fill(list, 5);
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
    this->fill(list, 5);
    std::unique_ptr<Iterator<Tracked>> it(list.iterator());
    it->next();
    it->next();
    EXPECT_EQ(it->current(), &this->c);
    EXPECT_EQ(it->position(), 3);
    EXPECT_EQ(namesBackwards(*it), "edcba");
    EXPECT_TRUE(it->atEnd());
    EXPECT_EQ(it->position(), 0);
    EXPECT_EQ(it->previous(), nullptr); // the end stays the end
    EXPECT_EQ(it->toLast(), &this->e);
    EXPECT_EQ(it->position(), 5);
    EXPECT_EQ(it->toFirst(), &this->a);
}

} // namespace
