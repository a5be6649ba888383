#include "xml/Node.h"

#include "xml/DOMException.h"
#include "xml/Document.h"
#include "xml/XMLOutputter.h"

namespace ZUM {

static_assert(alignof(Node) <= SlabPool::CellAlignment);

Node::Node(Document* ownerDocument, std::int16_t nodeType)
    : nodeType(nodeType), upLink(marked(ownerDocument)) {}

// At most one step up: a parent holds its children, so it has its parts.
Document* Node::document() const {
    const Node* node = this;
    while (!node->parts && !(node->upLink & DocumentMark))
        node = reinterpret_cast<const Node*>(node->upLink);
    if (node->parts) return node->parts->document;
    return reinterpret_cast<Document*>(node->upLink & ~DocumentMark);
}

void Node::rehome(Document* document) {
    if (!parentLink()) upLink = marked(document);
    if (parts) parts->document = document;
}

Node::~Node() {
    if (!parts) return;
    RareParts* rare = presentRareParts();
    LinkList<BufferPointer>* bufferPointers = rare ? rare->bufferPointers.get() : nullptr;
    while (BufferPointer* pointer = bufferPointers ? bufferPointers->removeFirst() : nullptr) {
        pointer->node = nullptr;
        pointer->text = nullptr;
    }
    deleteChildren();
}

// Before a child dies, its own children move to the front of this list in
// one step, so every node deleted here is childless and the stack stays flat
// at any depth; each node is visited once.
void Node::deleteChildren() {
    if (!parts) return;
    NDLinkList<Node>& childNodes = parts->childNodes;
    while (Node* child = childNodes.removeFirst()) {
        if (child->parts) childNodes.prependAll(child->parts->childNodes);
        delete child;
    }
}

Node::Parts& Node::ownParts() const {
    if (!parts) parts = std::make_unique<Parts>(const_cast<Node*>(this), document());
    return *parts;
}

Node::RareParts& Node::ownRareParts() const {
    Parts& own = ownParts();
    if (!own.rare) own.rare = std::make_unique<RareParts>();
    return *own.rare;
}

NDLinkList<Node>& Node::children() {
    return ownParts().childNodes;
}

NNodeList* Node::getChildNodes() {
    RareParts& rare = ownRareParts();
    if (!rare.childList) rare.childList = std::make_unique<NNodeList>(children());
    return rare.childList.get();
}

const Utf16String* Node::presentValue() const {
    RareParts* rare = presentRareParts();
    return rare ? rare->nodeValue.get() : nullptr;
}

Utf16String* Node::getNodeValue() {
    if (const Utf16String* value = presentValue()) return const_cast<Utf16String*>(value);
    RareParts& rare = ownRareParts();
    rare.nodeValue = std::make_unique<Utf16String>(Utf16String::NoBuffer);
    return rare.nodeValue.get();
}

void Node::setNodeValue(const u16* data, u32 count) {
    getNodeValue()->assign(data, count);
}

void Node::setNodeValue(const u16* terminated) {
    getNodeValue()->assign(terminated);
}

void Node::setNodeValue(const Utf16String& value) {
    getNodeValue()->assign(value);
}

void Node::setNodeValue(const TStringPtr<u16>& value) {
    getNodeValue()->assign(value);
}

Utf16String* Node::fixedName(const char16_t* literal) const {
    return document()->internName(reinterpret_cast<const u16*>(literal));
}

Utf16String* Node::getPrefix() const {
    const RareParts* rare = presentRareParts();
    return rare ? rare->prefix : nullptr;
}

void Node::setPrefix(const u16* terminated) {
    setPrefixAtom(document()->internPrefix(terminated));
}

void Node::setPrefix(const Utf16String& text) {
    setPrefixAtom(document()->internPrefix(text));
}

void Node::setPrefix(const Utf16String* orNull) {
    setPrefixAtom(orNull ? document()->internPrefix(*orNull) : nullptr);
}

void Node::setPrefixAtom(Utf16String* prefix) {
    if (prefix || presentRareParts()) ownRareParts().prefix = prefix;
}

void Node::checkDetached(Node* child) const {
    if (!child || child == this || child->parentLink()) throw DOMException{DOMException::NotFoundErr};
}

// Completes an insertion the child list accepted, or reports its refusal.
Node* Node::linked(Node* child, bool done) {
    if (!done) throw DOMException{DOMException::NotFoundErr};
    child->linkTo(this);
    return child;
}

Node* Node::insertBefore(Node* newChild, Node* refChild) {
    checkDetached(newChild);
    return linked(newChild, children().insertBefore(refChild, newChild));
}

Node* Node::insertAfter(Node* newChild, Node* refChild) {
    checkDetached(newChild);
    return linked(newChild, children().insertAfter(refChild, newChild));
}

Node* Node::replaceChild(Node* newChild, Node* oldChild) {
    checkDetached(newChild);
    if (!oldChild || oldChild->parentLink() != this) throw DOMException{DOMException::NotFoundErr};
    linked(newChild, children().replace(oldChild, newChild));
    oldChild->unlink();
    return newChild;
}

Node* Node::removeChild(Node* child) {
    if (!child || child->parentLink() != this || !children().remove(child))
        throw DOMException{DOMException::NotFoundErr};
    child->unlink();
    return child;
}

Node* Node::appendChild(Node* child) {
    checkDetached(child);
    return linked(child, children().append(child) != nullptr);
}

void Node::output(XMLOutputter&) {}

NamedNodeMap* Node::getAttributes() const {
    return &ownParts().attributes;
}

void Node::addBufferPointer(BufferPointer* pointer) {
    RareParts& rare = ownRareParts();
    if (!rare.bufferPointers) rare.bufferPointers = std::make_unique<LinkList<BufferPointer>>();
    if (!pointer || !rare.bufferPointers->add(pointer)) return;
    pointer->node = this;
    pointer->text = getNodeValue();
}

bool Node::removeBufferPointer(BufferPointer* pointer) {
    RareParts* rare = presentRareParts();
    return rare && rare->bufferPointers && rare->bufferPointers->remove(pointer);
}

void Node::copyAttributesFrom(Node& source) {
    NamedNodeMap* attributes = source.presentAttributes();
    if (!attributes) return;
    attributes->forEachNode([this](Node* attribute) {
        std::unique_ptr<Node> copy(attribute->cloneNode(false));
        if (!copy) return;
        std::unique_ptr<Node> replaced(getAttributes()->setNamedItem(copy.get()));
        copy.release();
    });
}

// Walks the source subtree in document order through the first-child,
// next-sibling and parent links, keeping `into` on the copy of the node whose
// children are being copied. Elements are copied shallow here and entered
// below; other kinds make their own copy.
void Node::copyChildrenFrom(Node& source) {
    Node* into = this;
    Node* from = source.getFirstChild();
    while (from) {
        bool element = from->nodeType == ElementNode;
        std::unique_ptr<Node> copy(from->cloneNode(!element));
        if (copy) {
            if (element) copy->copyAttributesFrom(*from);
            into->appendChild(copy.get());
            if (element && from->hasChildNodes()) {
                into = copy.release();
                from = from->getFirstChild();
                continue;
            }
            copy.release();
        }
        while (!from->getNextSibling()) {
            from = from->parentLink();
            if (from == &source) return;
            into = into->parentLink();
        }
        from = from->getNextSibling();
    }
}

} // namespace ZUM
