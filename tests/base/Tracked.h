#pragma once

#include "base/List.h"
#include "base/NDLinkListNode.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// Container element that counts how many were made and destroyed, to show
// where a container owns its elements.
struct Tracked : ZUM::NDLinkListNode<Tracked> {
    explicit Tracked(char name = '?') : name(name) { ++made; }
    Tracked(const Tracked& other) : ZUM::NDLinkListNode<Tracked>(other), name(other.name) {
        ++made;
    }
    virtual ~Tracked() { ++destroyed; }

    static int alive() { return made - destroyed; }

    char name;
    static inline int made = 0;
    static inline int destroyed = 0;
};

// Deleted through a Tracked pointer, it shows that the element's own
// destructor runs.
struct TrackedChild : Tracked {
    using Tracked::Tracked;
    ~TrackedChild() override { ++childrenDestroyed; }
    static inline int childrenDestroyed = 0;
};

// Resets the counters and offers five named elements a to e and a spare x.
class TrackedTest : public ::testing::Test {
protected:
    void SetUp() override {
        Tracked::made = Tracked::destroyed = TrackedChild::childrenDestroyed = 0;
    }

    // Appends the first n of a to e.
    void fill(ZUM::List<Tracked>& list, int n) {
        for (int i = 0; i < n; ++i) list.append(&items[i]);
    }

    Tracked items[5] = {Tracked('a'), Tracked('b'), Tracked('c'), Tracked('d'), Tracked('e')};
    Tracked &a = items[0], &b = items[1], &c = items[2], &d = items[3], &e = items[4];
    Tracked x{'x'};
};

// The elements' names in iteration order.
inline std::string names(const ZUM::Collection<Tracked>& collection) {
    std::string result;
    std::unique_ptr<ZUM::Iterator<Tracked>> it(collection.iterator());
    while (Tracked* element = it->next()) result += element->name;
    return result;
}

// The names met walking back from the last element to the end.
inline std::string namesBackwards(ZUM::Iterator<Tracked>& it) {
    std::string result;
    for (it.toLast(); Tracked* element = it.previous();) result += element->name;
    return result;
}
