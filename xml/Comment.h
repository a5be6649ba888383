#pragma once

#include "xml/CharacterData.h"

namespace ZUM {

class Comment : public CharacterData {
public:
    // Named "#comment".
    explicit Comment(Document* ownerDocument);
    Utf16String* getNodeName() const override { return fixedName(u"#comment"); }

    Node* cloneNode(bool deep) override;
    // <!--value-->, the value raw.
    void output(XMLOutputter& out) override;
};

} // namespace ZUM
