#pragma once

#include "xml/Text.h"

namespace ZUM {

class CDATASection : public Text {
public:
    // Named "#cdata-section".
    explicit CDATASection(Document* ownerDocument);
    Utf16String* getNodeName() const override { return fixedName(u"#cdata-section"); }

    Node* cloneNode(bool deep) override;
    // <![CDATA[value]]>, the value raw.
    void output(XMLOutputter& out) override;
};

} // namespace ZUM
