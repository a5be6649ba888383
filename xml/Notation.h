#pragma once

#include "xml/External.h"

namespace ZUM {

class Notation : public External {
public:
    explicit Notation(Document* ownerDocument) : External(ownerDocument, NotationNode) {}

    // Name and identifiers.
    Node* cloneNode(bool deep) override;
    // <!NOTATION name PUBLIC "pub" "sys" >; the system identifier is optional.
    void output(XMLOutputter& out) override;
};

} // namespace ZUM
