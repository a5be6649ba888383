#pragma once

#include <cstdint>
#include <memory>

#include "base/LinkList.h"
#include "base/NDLinkList.h"
#include "base/NDLinkListNode.h"
#include "base/SlabPool.h"
#include "base/TString.h"
#include "xml/BufferPointer.h"
#include "xml/NNodeList.h"
#include "xml/NamedNodeMap.h"

namespace ZUM {

class Document;
class XMLOutputter;

// A node of a document tree. Every kind offers the same base: a child list
// whose links live in the children, an attribute map, four names interned in
// the document's atom tables (never owned here) and a value. A parent owns
// its children and its attribute map owns the attributes.
//
// The kinds with names of their own keep them (see NamedNode); the others
// answer fixed ones. The kinds whose content is their
// value (attributes, text, comments, processing instructions, entities) keep
// it in a field of their own; the child list, the attribute map, the position
// records and the value of the other kinds are made on first use, so that the
// text and attributes that are most of a tree pay for none of them.
//
// A node is detached after creation and after removeChild/replaceChild, and
// only detached nodes may be deleted or inserted. Children must be linked
// through the operations of this class (not the child list directly), which
// keep each child's parent link; the tree walks rely on it.
class Node : public NDLinkListNode<Node> {
public:
    enum Kind : std::int16_t {
        ElementNode = 1,
        AttributeNode = 2,
        TextNode = 3,
        CDATASectionNode = 4,
        EntityNode = 6,
        ProcessingInstructionNode = 7,
        CommentNode = 8,
        DocumentNode = 9,
        DocumentTypeNode = 10,
        NotationNode = 12,
        XMLDeclNode = 1000,
        DtdElementNode = 1001,
        DtdAttlistNode = 1002,
        DtdPEntityNode = 1003,
    };

    Node(Document* ownerDocument, std::int16_t nodeType);
    ZUM_SLAB_ALLOCATED
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;
    // Deletes the whole subtree without recursion, however deep it is.
    virtual ~Node();

    virtual std::int16_t getNodeType() const { return nodeType; }
    virtual Node* getParentNode() const { return parentLink(); }
    // Null here; named kinds and those with fixed names answer their own.
    virtual Utf16String* getNodeName() const { return nullptr; }
    virtual Utf16String* getNodeValue();
    virtual void setNodeValue(const u16* data, u32 count);
    virtual void setNodeValue(const u16* terminated);
    virtual void setNodeValue(const Utf16String& value);
    // The same for any view of a string.
    virtual void setNodeValue(const TStringPtr<u16>& value);
    // The named kinds keep the prefix among their names; the others, which
    // hardly ever have one, among their rare parts.
    virtual Utf16String* getPrefix() const;
    virtual void setPrefix(const u16* terminated);
    virtual void setPrefix(const Utf16String& text);
    // Null clears the prefix.
    virtual void setPrefix(const Utf16String* orNull);
    // Null, except for the named kinds.
    virtual Utf16String* getLocalName() const { return nullptr; }
    virtual Utf16String* getNamespaceURI() const { return nullptr; }
    // Made on first use: the tree itself never needs it.
    virtual NNodeList* getChildNodes();
    virtual Node* getFirstChild() const { return parts ? parts->childNodes.first() : nullptr; }
    virtual Node* getLastChild() const { return parts ? parts->childNodes.last() : nullptr; }
    virtual Node* getPreviousSibling() const { return getPrevious(); }
    virtual Node* getNextSibling() const { return getNext(); }
    // Made on first use, with the child list: most nodes have neither.
    virtual NamedNodeMap* getAttributes() const;
    virtual Document* getOwnerDocument() const { return document(); }
    // The insertions take a detached node other than this one; a refused
    // operation (also a null or absent reference child) throws DOMException 8
    // and changes nothing. replaceChild answers newChild; the node taken out by
    // replaceChild or removeChild belongs to the caller.
    virtual Node* insertBefore(Node* newChild, Node* refChild);
    virtual Node* insertAfter(Node* newChild, Node* refChild);
    virtual Node* replaceChild(Node* newChild, Node* oldChild);
    virtual Node* removeChild(Node* child);
    virtual Node* appendChild(Node* child);
    virtual bool hasChildNodes() const { return parts && !parts->childNodes.isEmpty(); }
    // A new detached copy for the caller, or null for kinds without one.
    virtual Node* cloneNode(bool deep) = 0;
    virtual void output(XMLOutputter& out);

    bool hasExplicitEndTag() const { return explicitEndTag; }
    void setExplicitEndTag(bool set) { explicitEndTag = set; }

    // Registers a position record: it then refers to this node and its value
    // until the node dies, which clears both references.
    void addBufferPointer(BufferPointer* pointer);
    bool removeBufferPointer(BufferPointer* pointer);

protected:
    friend class Document;

    // The atom of a kind's fixed name such as "#text", in the node's document.
    Utf16String* fixedName(const char16_t* literal) const;
    // Sets the prefix to an atom of the document's prefix table; null clears it.
    virtual void setPrefixAtom(Utf16String* prefix);
    // A new detached node of the same document with a copy of this node's
    // value: the common part of every kind's copy.
    template <class Kind>
    std::unique_ptr<Kind> copyBase() const {
        auto copy = std::make_unique<Kind>(document());
        Node& base = *copy;
        if (const Utf16String* value = presentValue()) base.getNodeValue()->assign(*value);
        if (const RareParts* rare = presentRareParts(); rare && rare->prefix)
            base.ownRareParts().prefix = rare->prefix;
        base.explicitEndTag = explicitEndTag;
        base.kindFlag = kindFlag;
        return copy;
    }
    // Copies the attributes of `source` into this node's map, in map order.
    void copyAttributesFrom(Node& source);
    // Appends deep copies of the children of `source`, walking the source
    // without recursion; children without a copy are skipped.
    void copyChildrenFrom(Node& source);

    // The value of a kind that keeps its own; otherwise the one made on
    // request, or null while none was.
    virtual const Utf16String* presentValue() const;

    // The node's parent in a tree, or the element whose map holds an
    // attribute; else (detached, and for the document itself) the node's
    // document, marked by the low bit. One word keeps both: a node that holds
    // children or attributes keeps its document among its parts, so a node
    // in a tree or map finds it in its parent's.
    Node* parentLink() const {
        return upLink & DocumentMark ? nullptr : reinterpret_cast<Node*>(upLink);
    }
    void linkTo(Node* parent) { upLink = reinterpret_cast<std::uintptr_t>(parent); }
    // Detaches the node: it keeps the document it had through its parent.
    void unlink() { upLink = marked(document()); }
    Document* document() const;

    std::int16_t nodeType;
    bool explicitEndTag = false;
    // A flag of the kind's own (an attribute's "specified"), kept here in
    // room the fields above leave free.
    bool kindFlag = false;

    NDLinkList<Node>& children();
    // The attribute map, or null while none was made.
    NamedNodeMap* presentAttributes() const { return parts ? &parts->attributes : nullptr; }

private:
    // What a node holds besides its names, made with the first of its parts.
    // The parts few nodes ever use wait in a record of their own, so that the
    // elements of a large tree carry only their children and attributes.
    struct RareParts {
        ZUM_SLAB_ALLOCATED
        std::unique_ptr<NNodeList> childList;
        std::unique_ptr<LinkList<BufferPointer>> bufferPointers;
        std::unique_ptr<Utf16String> nodeValue;
        Utf16String* prefix = nullptr; // of a kind without names of its own
    };
    struct Parts {
        Parts(Node* owner, Document* document) : document(document), attributes(owner) {}
        ZUM_SLAB_ALLOCATED
        Document* document;
        NDLinkList<Node> childNodes{true};
        NamedNodeMap attributes;
        std::unique_ptr<RareParts> rare;
    };
    Parts& ownParts() const;
    RareParts& ownRareParts() const;
    RareParts* presentRareParts() const { return parts ? parts->rare.get() : nullptr; }
    // Makes `document` the node's own, wherever the node keeps it.
    void rehome(Document* document);

    mutable std::unique_ptr<Parts> parts;

    static constexpr std::uintptr_t DocumentMark = 1;
    static std::uintptr_t marked(Document* document) {
        return reinterpret_cast<std::uintptr_t>(document) | DocumentMark;
    }
    std::uintptr_t upLink;

    Node* linked(Node* child, bool done);
    void checkDetached(Node* child) const;
    void deleteChildren();
};

} // namespace ZUM
