#pragma once

#include "xml/NamedNode.h"

namespace ZUM {

class Element : public NamedNode {
public:
    explicit Element(Document* ownerDocument) : NamedNode(ownerDocument, ElementNode) {}

    // Shares the names; a deep copy also copies attributes and children.
    Node* cloneNode(bool deep) override;
    // Writes the element and its subtree without recursion, however deep.
    void output(XMLOutputter& out) override;

private:
    // Writes the start tag, or the whole element when it has no children;
    // answers whether children follow.
    bool writeStart(XMLOutputter& out);
    void writeEnd(XMLOutputter& out);
    void writeNameLabel(XMLOutputter& out);
};

// Sets the attribute of that name to `value` (empty when null): the node
// already there keeps its place, otherwise a new specified attribute enters.
void setAttribute(Element& element, const Utf16String& name, const Utf16String* value);
// The same for the attribute with that namespace name and the local name of
// `qualifiedName`.
void setAttributeNS(Element& element, const Utf16String& namespaceURI,
                    const Utf16String& qualifiedName, const Utf16String& value);
// The first direct child of `parent` that is an element named `name`
// (compared by interned pointer, namespaces ignored), or null. The name is
// interned in the document even when nothing uses it.
Element* findChildElement(Node& parent, const Utf16String& name);

} // namespace ZUM
