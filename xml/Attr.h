#pragma once

#include "xml/NamedNode.h"

namespace ZUM {

class Element;

// An attribute: its name, and its value in the node value.
class Attr : public NamedNode {
public:
    explicit Attr(Document* ownerDocument) : NamedNode(ownerDocument, AttributeNode) {}

    // Shares the names; `deep` makes no difference.
    Node* cloneNode(bool deep) override;
    // name="escaped value"
    void output(XMLOutputter& out) override;

    bool getSpecified() const { return kindFlag; }
    void setSpecified(bool set) { kindFlag = set; }
    // The element whose map holds the attribute, null while it is in none.
    Element* getOwnerElement() const;
    // An attribute has no parent, also while an element holds it.
    Node* getParentNode() const override { return nullptr; }

private:
    friend class NamedNodeMap;

    // The element whose map holds the attribute is kept in the parent link.
    void setOwnerElement(Element* element);

    const Utf16String* presentValue() const override { return &nodeValue; }
    Utf16String nodeValue{Utf16String::NoBuffer};
};

} // namespace ZUM
