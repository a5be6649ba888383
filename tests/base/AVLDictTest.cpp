#include "base/AVLDict.h"
#include "base/LinkList.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <random>
#include <set>
#include <vector>

using namespace ZUM;

namespace {

struct Item {
    int key;
};

class IntDict : public AVLDict<Item, int> {
public:
    const int* keyOf(Item* item) const override { return &item->key; }
    int compare(const int* a, const int* b) const override { return (*a > *b) - (*a < *b); }

    int height() const { return TreeNode::heightOf(root); }
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
                     node->height == std::max(hl, hr) + 1;
        return sound ? node->height : -1;
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

TEST_F(AVLDictTest, AscendingInsertionKeepsTheHeightBound) {
    IntDict dict;
    for (int key = 1; key <= 1000; ++key) dict.add(&items[key]);
    EXPECT_EQ(dict.count(), 1000);
    EXPECT_LE(dict.height(), static_cast<int>(1.4405 * std::log2(1000 + 2) - 0.3277));
    EXPECT_TRUE(dict.isSound());
    dict.clear();
    EXPECT_TRUE(dict.isEmpty());
}

TEST_F(AVLDictTest, RemovalOfNodesWithNoneOneOrTwoChildren) {
    struct Case {
        std::vector<int> keys;
        int removed;
    };
    const Case cases[] = {
        {{2, 1, 3}, 1},                                           // a leaf
        {{2, 1, 3, 4}, 3},                                        // one child
        {{4, 2, 6, 1, 3, 5, 7}, 4},                               // the predecessor moves up
        {{2, 1, 3, 4}, 2},                                        // the left child moves up
        {{5, 2, 7, 1, 3, 8, 4}, 5},                               // the right child moves up
        {{20, 10, 30, 5, 15, 25, 35, 3, 12, 17, 22, 40, 11}, 20}, // below the predecessor
        {{10, 5, 20, 3, 15, 25, 12, 30}, 3},                      // right-heavy tie
    };
    for (const Case& c : cases) {
        auto dict = dictOf(c.keys);
        std::set<int> expected(c.keys.begin(), c.keys.end());
        expected.erase(c.removed);
        ASSERT_TRUE(dict->remove(&items[c.removed]));
        EXPECT_TRUE(dict->isSound()) << c.removed;
        EXPECT_EQ(dict->keys(), std::vector<int>(expected.begin(), expected.end()));
    }
}

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
        if (step % 100 == 0) {
            ASSERT_TRUE(dict.isSound()) << step;
            ASSERT_EQ(dict.keys(), std::vector<int>(expected.begin(), expected.end()));
        }
    }
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
