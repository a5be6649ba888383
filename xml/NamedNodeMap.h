#pragma once

#include "base/AVLDict.h"
#include "base/SlabPool.h"
#include "base/TString.h"

namespace ZUM {

class Node;

// The nodes of one owner keyed by node name, compared by content, so
// iteration runs in ascending ordinal name order and a name occurs at most
// once. The map owns its nodes: destroying it deletes those still in it;
// taking one out with remove or a replacement hands it to the caller.
class NamedNodeMap : public AVLDict<Node, Utf16String> {
public:
    explicit NamedNodeMap(Node* ownerNode) : ownerNode(ownerNode) {}
    ZUM_SLAB_ALLOCATED
    ~NamedNodeMap() override;

    const Utf16String* keyOf(Node* element) const override;
    // An absent name (a node without one) sorts first.
    int compare(const Utf16String* a, const Utf16String* b) const override;

    Node* getOwnerNode() const { return ownerNode; }

    Node* getNamedItem(const Utf16String& name) const { return get(&name); }
    // Enters `node` in place of a node of the same name; an attribute
    // entering an element's map gets that element as its owner. Answers the
    // node taken out, which the caller then owns, or null. When memory runs
    // out, the map is left as it was.
    Node* setNamedItem(Node* node);
    // The first node, in map order, whose local name and namespace name are
    // the given interned strings (compared by pointer), or null.
    Node* getNamedItemNS(const Utf16String* localName, const Utf16String* namespaceURI) const;
    // As setNamedItem, but the node taken out is the one with the same local
    // name and namespace name, else the one with the same name. If the map
    // would then still hold another node of the same name, it throws
    // DOMException 8 and changes nothing.
    Node* setNamedItemNS(Node* node);

    // Visits the nodes in map order without allocating an iterator.
    template <class Visit>
    void forEachNode(Visit visit) const {
        for (TreeNode* node = TreeNode::leftmost(root); node; node = TreeNode::successor(node))
            visit(node->element);
    }

private:
    void enter(Node* node);
    void takeOut(Node* node);
    void adopt(Node* node) const;
    static void disown(Node* node);
    // Puts `node` where `present` (of the same name) was; allocates nothing.
    void replace(Node* present, Node* node);

    Node* ownerNode;
};

} // namespace ZUM
