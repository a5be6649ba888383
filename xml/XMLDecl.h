#pragma once

#include "xml/Node.h"

namespace ZUM {

// The XML declaration: nameless; its pseudo-attributes "version",
// "encoding" and "standalone" are attributes in its own map.
class XMLDecl : public Node {
public:
    explicit XMLDecl(Document* ownerDocument) : Node(ownerDocument, XMLDeclNode) {}

    // There is no copy: null.
    Node* cloneNode(bool deep) override;
    void output(XMLOutputter& out) override;
};

} // namespace ZUM
