#include "xml/Document.h"

#include "xml/Attr.h"
#include "xml/CDATASection.h"
#include "xml/Comment.h"
#include "xml/DOMException.h"
#include "xml/DOMModule.h"
#include "xml/DocumentType.h"
#include "xml/Element.h"
#include "xml/ProcessingInstruction.h"
#include "xml/Text.h"
#include "xml/XMLDecl.h"

namespace ZUM {

Document::Document() : Node(this, DocumentNode), implementation(sharedDOMImplementation()) {
    auto type = std::make_unique<DocumentType>(this);
    auto decl = std::make_unique<XMLDecl>(this);
    if (!children().append(decl.get())) throw DOMException{DOMException::NotFoundErr};
    decl->linkTo(this);
    xmlDecl = decl.release();
    doctype = type.release();
}

// The document type is owned here while it is not linked in; once linked,
// its parent deletes it with the tree. The tree goes before the atom tables.
Document::~Document() {
    if (!doctype->getParentNode()) delete doctype;
    deleteChildren();
}

// The declaration's pseudo-attributes go into the copy's own declaration,
// and a linked document type replaces the copy's empty one.
Node* Document::cloneNode(bool deep) {
    auto copy = std::make_unique<Document>();
    if (!deep) return copy.release();
    copy->copyAttributesFrom(*this);
    for (Node* child = getFirstChild(); child; child = child->getNextSibling()) {
        if (child == xmlDecl) {
            static_cast<Node*>(copy->xmlDecl)->copyAttributesFrom(*xmlDecl);
        } else if (child == doctype) {
            std::unique_ptr<Node> type(doctype->cloneNode(false));
            std::unique_ptr<Node> empty(copy->doctype);
            copy->doctype = static_cast<DocumentType*>(type.release());
            copy->appendChild(copy->doctype);
        } else if (std::unique_ptr<Node> childCopy{child->cloneNode(true)}) {
            copy->appendChild(childCopy.get());
            childCopy.release();
        }
    }
    copy->adoptTree();
    return copy.release();
}

void Document::output(XMLOutputter& out) {
    for (Node* child = getFirstChild(); child; child = child->getNextSibling()) child->output(out);
}

// Copies share names with their source; in a copied document every name is
// interned again in its own tables, so it outlives the source.
void Document::adoptTree() {
    auto adopt = [this](Node& node) {
        node.rehome(this);
        auto* named = dynamic_cast<NamedNode*>(&node);
        if (!named) {
            if (RareParts* rare = node.presentRareParts(); rare && rare->prefix)
                rare->prefix = prefixes.intern(*rare->prefix);
            return;
        }
        if (named->nodeName) named->nodeName = names.intern(*named->nodeName);
        if (const NamespaceName* parts = named->namespaceName) {
            auto again = [](AtomTable& table, Utf16String* atom) {
                return atom ? table.intern(*atom) : nullptr;
            };
            named->namespaceName = namespaceNames.intern(
                {again(prefixes, parts->prefix), again(names, parts->localName),
                 again(namespaceURIs, parts->namespaceURI)});
        }
    };
    Node* node = this;
    while (node) {
        adopt(*node);
        if (NamedNodeMap* attributes = node->presentAttributes())
            attributes->forEachNode([&adopt](Node* attribute) { adopt(*attribute); });
        if (Node* child = node->getFirstChild()) {
            node = child;
            continue;
        }
        while (node != this && !node->getNextSibling()) node = node->parentLink();
        node = node == this ? nullptr : node->getNextSibling();
    }
}

namespace {

// The node is let go only once its data is stored, which may take memory.
template <class Kind>
Kind* withData(std::unique_ptr<Kind> node, const Utf16String* data) {
    if (data) node->setNodeValue(*data);
    return node.release();
}

} // namespace

Element* Document::createElement(const Utf16String& name) {
    auto element = std::make_unique<Element>(this);
    initName(*element, name);
    return element.release();
}

Element* Document::createElementNS(const Utf16String& namespaceURI,
                                   const Utf16String& qualifiedName) {
    auto element = std::make_unique<Element>(this);
    initNameNS(*element, namespaceURI, qualifiedName);
    return element.release();
}

Text* Document::createTextNode(const Utf16String* data) {
    return withData(std::make_unique<Text>(this), data);
}

Comment* Document::createComment(const Utf16String* data) {
    return withData(std::make_unique<Comment>(this), data);
}

CDATASection* Document::createCDATASection(const Utf16String* data) {
    return withData(std::make_unique<CDATASection>(this), data);
}

ProcessingInstruction* Document::createProcessingInstruction(const Utf16String& target,
                                                             const Utf16String& data) {
    auto instruction = std::make_unique<ProcessingInstruction>(this);
    instruction->nodeName = internName(target);
    instruction->setNodeValue(data);
    return instruction.release();
}

Attr* Document::createAttribute(const u16* name) {
    return createAttribute(Utf16String(name));
}

Attr* Document::createAttribute(const Utf16String& name) {
    auto attribute = std::make_unique<Attr>(this);
    initName(*attribute, name);
    attribute->setSpecified(true);
    return attribute.release();
}

Utf16String* Document::prefixOf(const Utf16String& qualifiedName) {
    const u16* units = qualifiedName.data();
    for (u32 i = 0; i < qualifiedName.length(); ++i)
        if (units[i] == u':') return prefixes.intern(units, i);
    return prefixes.intern(units, 0);
}

Utf16String* Document::localNameOf(const Utf16String& qualifiedName) {
    const u16* units = qualifiedName.data();
    u32 length = qualifiedName.length();
    for (u32 i = 0; i < length; ++i)
        if (units[i] == u':') return names.intern(units + i + 1, length - i - 1);
    return names.intern(qualifiedName);
}

void Document::storeValue(Node& node, const TStringPtr<u16>& value) {
    const u32 count = value.viewLength();
    node.getNodeValue()->borrow(count ? values.store(value.data(), count) : nullptr, count);
}

void Document::initName(NamedNode& node, const Utf16String& name) {
    node.nodeName = internName(name);
    node.namespaceName = nullptr;
}

void Document::initNameNS(NamedNode& node, const Utf16String& namespaceURI,
                          const Utf16String& qualifiedName) {
    node.nodeName = internName(qualifiedName);
    Utf16String* uri = internNamespaceURI(namespaceURI);
    Utf16String* prefix = prefixOf(qualifiedName);
    node.namespaceName = namespaceNames.intern({prefix, localNameOf(qualifiedName), uri});
}

void Document::initNameNS(NamedNode& node, Utf16String* namespaceURI, Utf16String* prefix,
                          Utf16String* localName) {
    node.namespaceName = namespaceNames.intern({prefix, localName, namespaceURI});
}

} // namespace ZUM
