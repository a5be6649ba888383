#pragma once

#include "base/ListProxy.h"

namespace ZUM {

class Node;

// A list of nodes that forwards to an inner list it owns.
class NodeList : public ListProxy<Node> {
public:
    using ListProxy<Node>::ListProxy;
};

} // namespace ZUM
