#pragma once

#include "xml/External.h"

namespace ZUM {

// A parameter entity; its value is the node value.
class DtdPEntity : public External {
public:
    explicit DtdPEntity(Document* ownerDocument) : External(ownerDocument, DtdPEntityNode) {}

    // Name, identifiers and value.
    Node* cloneNode(bool deep) override;
    // <!ENTITY % name "raw value" >, or the external form.
    void output(XMLOutputter& out) override;
};

} // namespace ZUM
