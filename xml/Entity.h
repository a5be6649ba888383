#pragma once

#include "xml/External.h"

namespace ZUM {

// A general entity declared in the internal subset.
class Entity : public External {
public:
    explicit Entity(Document* ownerDocument) : External(ownerDocument, EntityNode) {}

    // Name, identifiers, notation name and replacement text.
    Node* cloneNode(bool deep) override;
    // <!ENTITY name "escaped text" >, or the external form with NDATA.
    void output(XMLOutputter& out) override;

    // The NDATA name of an unparsed entity; null otherwise.
    Utf16String* getNotationName() const { return notationName.get(); }
    void setNotationName(const Utf16String& name) {
        notationName = std::make_unique<Utf16String>(name);
    }
    // What a reference to the entity expands to.
    Utf16String* getReplacementText() { return &replacementText; }

private:
    std::unique_ptr<Utf16String> notationName;
    Utf16String replacementText;
};

} // namespace ZUM
