#pragma once

#include "xml/DtdECUnit.h"
#include "xml/NamedNode.h"

namespace ZUM {

// An element declaration: the declared name and the content model. The
// attribute definitions declared for the element are its children.
class DtdElement : public NamedNode {
public:
    explicit DtdElement(Document* ownerDocument)
        : NamedNode(ownerDocument, DtdElementNode), contentSpec(ownerDocument) {}

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
