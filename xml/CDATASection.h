#pragma once

#include "xml/Text.h"

namespace ZUM {

class CDATASection : public Text {
public:
    // Named "#cdata-section".
    explicit CDATASection(Document* ownerDocument);

    Node* cloneNode(bool deep) override;
    // <![CDATA[value]]>, the value raw.
    void output(XMLOutputter& out) override;
};

} // namespace ZUM
