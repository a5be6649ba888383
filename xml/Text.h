#pragma once

#include "xml/CharacterData.h"

namespace ZUM {

class Text : public CharacterData {
public:
    // Named "#text".
    explicit Text(Document* ownerDocument);
    Utf16String* getNodeName() const override { return fixedName(u"#text"); }

    Node* cloneNode(bool deep) override;
    // The value, escaped.
    void output(XMLOutputter& out) override;

protected:
    Text(Document* ownerDocument, std::int16_t nodeType) : CharacterData(ownerDocument, nodeType) {}
};

} // namespace ZUM
