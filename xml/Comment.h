#pragma once

#include "xml/CharacterData.h"

namespace ZUM {

class Comment : public CharacterData {
public:
    // Named "#comment".
    explicit Comment(Document* ownerDocument);

    Node* cloneNode(bool deep) override;
    // <!--value-->, the value raw.
    void output(XMLOutputter& out) override;
};

} // namespace ZUM
