#pragma once

#include "xml/Node.h"

namespace ZUM {

// The base of the kinds whose content is their value: text and comments.
class CharacterData : public Node {
protected:
    using Node::Node;
};

} // namespace ZUM
