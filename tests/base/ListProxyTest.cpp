#include "base/ListProxy.h"
#include "base/LinkList.h"
#include "base/NDLinkList.h"

#include "tests/base/Tracked.h"

#include <functional>
#include <vector>

using namespace ZUM;

namespace {

using Step = std::function<bool(List<Tracked>&)>;

// Runs each step on a proxy over an inner list of the given kind and on a
// plain LinkList; both must succeed and leave the same contents.
template <class Inner>
void expectForwarding(const std::vector<Step>& steps) {
    auto owned = std::make_unique<Inner>();
    Inner* inner = owned.get();
    ListProxy<Tracked> proxy(std::move(owned));
    LinkList<Tracked> reference;
    for (size_t i = 0; i < steps.size(); ++i) {
        EXPECT_TRUE(steps[i](proxy)) << "step " << i;
        EXPECT_TRUE(steps[i](reference)) << "step " << i;
        EXPECT_EQ(names(*inner), names(reference)) << "step " << i;
        EXPECT_EQ(names(proxy), names(reference)) << "step " << i;
    }
}

TEST(ListProxyTest, ForwardsEveryOperationToItsInnerList) {
    Tracked e[6] = {Tracked('a'), Tracked('b'), Tracked('c'),
                    Tracked('d'), Tracked('e'), Tracked('f')};
    std::vector<Step> steps = {
        [&](List<Tracked>& l) { return l.add(&e[1]) && l.isEmpty() == false; },
        [&](List<Tracked>& l) { return l.prepend(&e[0]) && l.append(&e[3]); },
        [&](List<Tracked>& l) { return l.insertBefore(&e[3], &e[2]); },
        [&](List<Tracked>& l) { return l.insertAt(4, &e[4]) && l.insertAfterPosition(5, &e[5]); },
        [&](List<Tracked>& l) { return l.item(0) == nullptr && l.item(2) == &e[1]; },
        [&](List<Tracked>& l) { return l.get(5) == &e[5] && l.indexOf(&e[2]) == 3; },
        [&](List<Tracked>& l) { return l.previousOf(&e[1]) == &e[0] && l.nextOf(&e[1]) == &e[2]; },
        [&](List<Tracked>& l) { return l.first() == &e[0] && l.last() == &e[5]; },
        [&](List<Tracked>& l) { return l.swapAt(1, 6) && l.swap(&e[1], &e[2]); },
        [&](List<Tracked>& l) { return l.removeAt(2) && l.replaceAt(5, &e[2]); },
        [&](List<Tracked>& l) { return l.replace(&e[2], &e[0]) && l.contains(&e[4]); },
        [&](List<Tracked>& l) { return l.removeFirst() == &e[5] && l.removeLast() == &e[0]; },
        [&](List<Tracked>& l) { return l.remove(&e[3]) && l.insertAfter(&e[1], &e[3]); },
        [&](List<Tracked>& l) { return l.removeBefore(&e[1]) && l.removeAfter(&e[1]); },
        [&](List<Tracked>& l) { return l.append(&e[0]) && l.removeBeforePosition(2); },
        [&](List<Tracked>& l) { return l.prepend(&e[2]) && l.removeAfterPosition(1); },
        [&](List<Tracked>& l) { return l.append(&e[4]) && l.removeRange(&e[4], &e[2]); },
        [&](List<Tracked>& l) { return l.append(&e[4]) && l.removeRangeAt(1, 1) && !l.count(); },
        [&](List<Tracked>& l) { return l.append(&e[4]) && (l.clear(), l.isEmpty()); },
    };
    expectForwarding<LinkList<Tracked>>(steps);
    expectForwarding<NDLinkList<Tracked>>(steps);
}

} // namespace
