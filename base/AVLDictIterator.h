#pragma once

#include "base/AVLDict.h"
#include "base/Iterator.h"

namespace ZUM {

// In-order iterator over an AVLDict (ascending keys); the cursor is a tree
// node, null at the end.
template <class T, class K>
class AVLDictIterator : public Iterator<T> {
public:
    explicit AVLDictIterator(const AVLDict<T, K>& dict)
        : dict(dict), cursor(TreeNode::leftmost(dict.root)) {}

    T* current() const override { return cursor ? cursor->element : nullptr; }
    T* next() override { return step(TreeNode::successor); }
    T* previous() override { return step(TreeNode::predecessor); }
    T* toFirst() override {
        cursor = TreeNode::leftmost(dict.root);
        return current();
    }
    T* toLast() override {
        cursor = TreeNode::rightmost(dict.root);
        return current();
    }
    bool hasCurrent() const override { return cursor != nullptr; }
    // Counts the nodes from the cursor back to the leftmost one.
    int position() const override {
        int position = 0;
        for (TreeNode* node = cursor; node; node = TreeNode::predecessor(node)) ++position;
        return position;
    }

private:
    using TreeNode = typename AVLDict<T, K>::TreeNode;

    T* step(TreeNode* (*move)(TreeNode*)) {
        T* element = current();
        if (cursor) cursor = move(cursor);
        return element;
    }

    const AVLDict<T, K>& dict;
    TreeNode* cursor;
};

} // namespace ZUM
