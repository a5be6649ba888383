#pragma once

#include "xml/Node.h"

namespace ZUM {

// The base of the kinds whose content is their value: text and comments.
class CharacterData : public Node {
protected:
    using Node::Node;

    // The value raw between `open` and `close`, as comments and CDATA
    // sections are written.
    void writeValueWithin(XMLOutputter& out, const char16_t* open, const char16_t* close) const;

    const Utf16String* presentValue() const override { return &nodeValue; }
    Utf16String nodeValue{Utf16String::NoBuffer};
};

} // namespace ZUM
