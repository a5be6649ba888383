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
};

} // namespace ZUM
