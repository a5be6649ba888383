#pragma once

#include "xml/Node.h"

namespace ZUM {

// The base of the kinds whose content is their value: text and comments.
class CharacterData : public Node {
protected:
    using Node::Node;

    const Utf16String* presentValue() const override { return &nodeValue; }
    Utf16String nodeValue{Utf16String::NoBuffer};
};

} // namespace ZUM
