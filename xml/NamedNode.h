#pragma once

#include <memory>

#include "xml/NamespaceName.h"
#include "xml/Node.h"

namespace ZUM {

// The kinds whose names are their own: elements, attributes, and the
// instructions and declarations a document names. Texts, comments and the
// document itself answer fixed names and keep no name fields, so the many
// texts of a tree are two words smaller.
class NamedNode : public Node {
public:
    Utf16String* getNodeName() const override { return nodeName; }
    Utf16String* getPrefix() const override {
        return namespaceName ? namespaceName->prefix : nullptr;
    }
    Utf16String* getLocalName() const override {
        return namespaceName ? namespaceName->localName : nullptr;
    }
    Utf16String* getNamespaceURI() const override {
        return namespaceName ? namespaceName->namespaceURI : nullptr;
    }

protected:
    friend class Document;
    using Node::Node;

    // copyBase, sharing this node's names too.
    template <class Kind>
    std::unique_ptr<Kind> copyNamed() const {
        std::unique_ptr<Kind> copy = copyBase<Kind>();
        NamedNode& named = *copy;
        named.nodeName = nodeName;
        named.namespaceName = namespaceName;
        return copy;
    }
    // The opening of a declaration in the document type, such as
    // "<!ELEMENT name ": the keyword, the node's name and a space.
    void writeDeclarationStart(XMLOutputter& out, const char16_t* keyword) const;

    Utf16String* nodeName = nullptr;
    // Prefix, local name and namespace name, shared with the document's other
    // nodes of the same three; null when all three are null.
    const NamespaceName* namespaceName = nullptr;

private:
    void setPrefixAtom(Utf16String* prefix) override;
};

} // namespace ZUM
