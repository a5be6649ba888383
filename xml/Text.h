#pragma once

#include "xml/CharacterData.h"

namespace ZUM {

class Text : public CharacterData {
public:
    // Named "#text".
    explicit Text(Document* ownerDocument);

    Node* cloneNode(bool deep) override;
    // The value, escaped.
    void output(XMLOutputter& out) override;

protected:
    Text(Document* ownerDocument, std::int16_t nodeType, const char16_t* name);
};

} // namespace ZUM
