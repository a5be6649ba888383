#pragma once

#include "base/Dict.h"
#include "base/SlabPool.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace ZUM {

template <class T, class K>
class AVLDictIterator;

// Ordered dictionary on a height-balanced search tree, at most one element per
// key. Subclasses say how to get an element's key and how keys compare; keys
// smaller than a node's key are in its left subtree. The dictionary owns its
// tree nodes, never its elements (subclasses that own theirs delete them in
// their own destructors).
template <class T, class K>
class AVLDict : public Dict<T, K> {
public:
    AVLDict() = default;
    ~AVLDict() override { clear(); }

    bool isEmpty() const override { return root == nullptr; }
    int count() const override {
        int n = 0;
        for (TreeNode* node = TreeNode::leftmost(root); node; node = TreeNode::successor(node)) ++n;
        return n;
    }
    // False, changing nothing, when an element with an equal key is present.
    bool add(T* element) override {
        if (!element) return false;
        TreeNode* parent;
        int side;
        if (search(keyOf(element), parent, side)) return false;
        TreeNode* leaf = new TreeNode(element, parent);
        if (!parent)
            root = leaf;
        else
            (side < 0 ? parent->right : parent->left) = leaf;
        rebalance(parent);
        return true;
    }
    // Takes out the element whose key equals that of `element`.
    bool remove(T* element) override {
        TreeNode* node = element ? find(keyOf(element)) : nullptr;
        if (node) erase(node);
        return node != nullptr;
    }
    // Frees the nodes bottom-up without recursion, from the deepest leftmost leaf.
    void clear() override {
        TreeNode* node = root;
        while (node) {
            if (node->left) {
                node = node->left;
            } else if (node->right) {
                node = node->right;
            } else {
                TreeNode* parent = node->parent;
                replaceChild(parent, node, nullptr);
                delete node;
                node = parent;
            }
        }
    }
    // True when an element with an equal key is present.
    bool contains(T* element) const override { return element && find(keyOf(element)); }
    Iterator<T>* iterator() const override { return new AVLDictIterator<T, K>(*this); }

    // Adds every element of `other`, also after a failure; false if any failed.
    virtual bool addAll(const Collection<T>& other) {
        return everyOf(other, [this](T* element) { return add(element); });
    }
    virtual bool removeAll(const Collection<T>& other) {
        return everyOf(other, [this](T* element) { return remove(element); });
    }
    virtual const K* keyOf(T* element) const = 0;
    // Negative, zero or positive as a is below, equal to or above b.
    virtual int compare(const K* a, const K* b) const = 0;
    virtual T* get(const K* key) const {
        TreeNode* node = key ? find(key) : nullptr;
        return node ? node->element : nullptr;
    }

protected:
    struct TreeNode;
    class ChildLink;
    using Side = ChildLink TreeNode::*;

    // Puts `element` in the place of the element with an equal key, taking no
    // memory. Answers the element replaced, or null (changing nothing).
    T* substitute(T* element) {
        TreeNode* node = element ? find(keyOf(element)) : nullptr;
        if (!node) return nullptr;
        T* replaced = node->element;
        node->element = element;
        return replaced;
    }

    // A child link whose three low bits, always zero in a cell's address,
    // carry three bits of the node's height, so that a tree node is four
    // words. Only an address is ever assigned to a link, never another link
    // with its bits.
    class ChildLink {
    public:
        ChildLink() = default;
        ChildLink(const ChildLink&) = delete;
        ChildLink& operator=(const ChildLink&) = delete;
        ChildLink& operator=(TreeNode* node) {
            bits = reinterpret_cast<std::uintptr_t>(node) | (bits & LowBits);
            return *this;
        }
        operator TreeNode*() const { return reinterpret_cast<TreeNode*>(bits & ~LowBits); }
        TreeNode* operator->() const { return *this; }

        unsigned low() const { return bits & LowBits; }
        void setLow(unsigned value) { bits = (bits & ~LowBits) | value; }

    private:
        static constexpr std::uintptr_t LowBits = 7;
        std::uintptr_t bits = 0;
    };

    struct TreeNode {
        TreeNode(T* element, TreeNode* parent) : element(element), parent(parent) { setHeight(1); }

        T* element;
        TreeNode* parent;
        ChildLink left;
        ChildLink right;

        ZUM_SLAB_ALLOCATED

        // A leaf is 1, an absent subtree 0. Six bits suffice: a tree of
        // height 64 would need more nodes than any memory holds.
        int height() const { return left.low() | right.low() << 3; }
        void setHeight(int height) {
            left.setLow(height & 7);
            right.setLow(height >> 3);
        }
        static int heightOf(const TreeNode* node) { return node ? node->height() : 0; }
        void updateHeight() { setHeight(std::max(heightOf(left), heightOf(right)) + 1); }

        // The last node reached by following `side` links.
        static TreeNode* outermost(TreeNode* node, Side side) {
            while (node && node->*side) node = node->*side;
            return node;
        }
        // The in-order neighbour towards `forward`; `back` is the other side.
        static TreeNode* neighbour(TreeNode* node, Side forward, Side back) {
            if (node->*forward) return outermost(node->*forward, back);
            while (node->parent && node == node->parent->*forward) node = node->parent;
            return node->parent;
        }
        static TreeNode* leftmost(TreeNode* node) { return outermost(node, &TreeNode::left); }
        static TreeNode* rightmost(TreeNode* node) { return outermost(node, &TreeNode::right); }
        static TreeNode* successor(TreeNode* node) {
            return neighbour(node, &TreeNode::right, &TreeNode::left);
        }
        static TreeNode* predecessor(TreeNode* node) {
            return neighbour(node, &TreeNode::left, &TreeNode::right);
        }
    };

    static_assert(alignof(TreeNode) <= SlabPool::CellAlignment && SlabPool::CellAlignment >= 8);
    TreeNode* root = nullptr;

private:
    friend class AVLDictIterator<T, K>;

    static constexpr Side Left = &TreeNode::left;
    static constexpr Side Right = &TreeNode::right;

    // Descends from the root: c = compare(node key, key); c < 0 goes right,
    // c > 0 left. Answers the matching node, or null with `parent` the last
    // node visited and `side` its last comparison.
    TreeNode* search(const K* key, TreeNode*& parent, int& side) const {
        parent = nullptr;
        side = 0;
        for (TreeNode* node = root; node; node = side < 0 ? node->right : node->left) {
            side = compare(keyOf(node->element), key);
            if (side == 0) return node;
            parent = node;
        }
        return nullptr;
    }
    TreeNode* find(const K* key) const {
        TreeNode* parent;
        int side;
        return search(key, parent, side);
    }

    template <class Op>
    static bool everyOf(const Collection<T>& other, Op op) {
        bool all = true;
        std::unique_ptr<Iterator<T>> it(other.iterator());
        while (it->hasCurrent()) all = op(it->next()) && all;
        return all;
    }

    void replaceChild(TreeNode* parent, TreeNode* old, TreeNode* child) {
        if (!parent)
            root = child;
        else if (parent->left == old)
            parent->left = child;
        else
            parent->right = child;
        if (child) child->parent = parent;
    }

    static void setChild(TreeNode* parent, Side side, TreeNode* child) {
        parent->*side = child;
        if (child) child->parent = parent;
    }

    // Single rotation: node's `up` child takes node's place and node becomes
    // its `down` child. Answers the new top.
    TreeNode* lift(TreeNode* node, Side up, Side down) {
        TreeNode* top = node->*up;
        setChild(node, up, top->*down);
        replaceChild(node->parent, node, top);
        setChild(top, down, node);
        node->updateHeight();
        top->updateHeight();
        return top;
    }

    // Rotates at a node whose subtrees differ by two. The tallest grandchild
    // picks the shape; on a tie the outer grandchild wins, which a single
    // rotation keeps balanced after a removal. Answers the new top.
    TreeNode* rotate(TreeNode* node) {
        auto grandchild = [](TreeNode* child, Side side) {
            return child ? TreeNode::heightOf(child->*side) : 0;
        };
        int leftLeft = grandchild(node->left, Left), leftRight = grandchild(node->left, Right);
        int rightLeft = grandchild(node->right, Left), rightRight = grandchild(node->right, Right);
        int tallest = std::max({leftLeft, leftRight, rightLeft, rightRight});
        if (leftLeft == tallest) return lift(node, Left, Right);
        if (leftRight == tallest) {
            lift(node->left, Right, Left);
            return lift(node, Left, Right);
        }
        if (rightRight == tallest) return lift(node, Right, Left);
        lift(node->right, Left, Right);
        return lift(node, Right, Left);
    }

    // Walks up from `node`, updating heights and rotating where the subtrees
    // differ by two; stops at the first node that is balanced and unchanged.
    void rebalance(TreeNode* node) {
        while (node) {
            int hl = TreeNode::heightOf(node->left), hr = TreeNode::heightOf(node->right);
            bool balanced = std::abs(hl - hr) <= 1;
            int height = std::max(hl, hr) + 1;
            if (balanced && height == node->height()) return;
            node->setHeight(height);
            if (!balanced) node = rotate(node);
            node = node->parent;
        }
    }

    // Unlinks and frees a node (not its element). A node with two children is
    // replaced by its left child when that has no right subtree, else by its
    // right child when that has no left subtree, else by its in-order
    // predecessor. Rebalancing starts at the lowest node whose subtree
    // changed; the replacement first takes over the removed node's height so
    // that the stop rule above stays sound.
    void erase(TreeNode* node) {
        TreeNode* left = node->left;
        TreeNode* right = node->right;
        TreeNode* replacement = left ? left : right;
        TreeNode* start = node->parent;
        if (left && right) {
            if (!left->right) {
                setChild(left, Right, right);
                start = left;
            } else if (!right->left) {
                replacement = right;
                setChild(right, Left, left);
                start = right;
            } else {
                replacement = TreeNode::rightmost(left);
                start = replacement->parent;
                setChild(start, Right, replacement->left);
                setChild(replacement, Left, left);
                setChild(replacement, Right, right);
            }
            replacement->setHeight(node->height());
        }
        replaceChild(node->parent, node, replacement);
        delete node;
        rebalance(start);
    }
};

} // namespace ZUM

#include "base/AVLDictIterator.h"
