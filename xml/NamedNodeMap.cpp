#include "xml/NamedNodeMap.h"

#include "xml/Attr.h"
#include "xml/DOMException.h"
#include "xml/Element.h"

namespace ZUM {

static_assert(alignof(NamedNodeMap) <= SlabPool::CellAlignment);

NamedNodeMap::~NamedNodeMap() {
    forEachNode([](Node* node) { delete node; });
}

const Utf16String* NamedNodeMap::keyOf(Node* element) const {
    return element->getNodeName();
}

int NamedNodeMap::compare(const Utf16String* a, const Utf16String* b) const {
    if (!a || !b) return (a != nullptr) - (b != nullptr);
    return a->compare(*b);
}

// An attribute belongs to an element only through an element's map; the maps
// of other kinds (the XML declaration's) leave it without owner element.
void NamedNodeMap::adopt(Node* node) const {
    if (node->getNodeType() != Node::AttributeNode) return;
    bool elementMap = ownerNode && ownerNode->getNodeType() == Node::ElementNode;
    static_cast<Attr*>(node)->setOwnerElement(elementMap ? static_cast<Element*>(ownerNode)
                                                         : nullptr);
}

void NamedNodeMap::disown(Node* node) {
    if (node->getNodeType() == Node::AttributeNode)
        static_cast<Attr*>(node)->setOwnerElement(nullptr);
}

void NamedNodeMap::enter(Node* node) {
    add(node);
    adopt(node);
}

void NamedNodeMap::takeOut(Node* node) {
    remove(node);
    disown(node);
}

void NamedNodeMap::replace(Node* present, Node* node) {
    substitute(node);
    disown(present);
    adopt(node);
}

Node* NamedNodeMap::setNamedItem(Node* node) {
    if (!node) return nullptr;
    // A new name, the common case, goes in with one walk down the tree.
    if (add(node)) {
        adopt(node);
        return nullptr;
    }
    Node* present = get(keyOf(node));
    if (present == node) return nullptr;
    replace(present, node);
    return present;
}

Node* NamedNodeMap::getNamedItemNS(const Utf16String* localName,
                                   const Utf16String* namespaceURI) const {
    for (TreeNode* tree = TreeNode::leftmost(root); tree; tree = TreeNode::successor(tree)) {
        Node* node = tree->element;
        if (node->getLocalName() == localName && node->getNamespaceURI() == namespaceURI)
            return node;
    }
    return nullptr;
}

Node* NamedNodeMap::setNamedItemNS(Node* node) {
    if (!node) return nullptr;
    Node* present = getNamedItemNS(node->getLocalName(), node->getNamespaceURI());
    if (!present) present = get(keyOf(node));
    if (present == node) return nullptr;
    Node* clash = get(keyOf(node));
    if (clash && clash != present) throw DOMException{DOMException::NotFoundErr};
    if (clash) {
        replace(present, node);
    } else {
        // The new name's cell first: a failure there leaves the map as it was.
        enter(node);
        if (present) takeOut(present);
    }
    return present;
}

} // namespace ZUM
