#pragma once

#include "base/ListProxy.h"

namespace ZUM {

class Node;

// A list of nodes that forwards to an inner list it owns.
class NodeList : public ListProxy<Node> {
public:
    using ListProxy<Node>::ListProxy;

protected:
    explicit NodeList(List<Node>& kept) : ListProxy<Node>(kept) {}
};

} // namespace ZUM
