#pragma once

#include "xml/DtdECUnit.h"
#include "xml/Node.h"

namespace ZUM {

// An element declaration: the declared name and the content model. The
// attribute definitions declared for the element are its children.
class DtdElement : public Node {
public:
    explicit DtdElement(Document* ownerDocument)
        : Node(ownerDocument, DtdElementNode), contentSpec(ownerDocument) {}

    // There is no copy: null.
    Node* cloneNode(bool deep) override;
    // <!ELEMENT name model >
    void output(XMLOutputter& out) override;

    // The root unit of the content model.
    DtdECUnit* getContentSpec() { return &contentSpec; }

private:
    DtdECUnit contentSpec;
};

} // namespace ZUM
