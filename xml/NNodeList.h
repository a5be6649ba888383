#pragma once

#include "xml/NodeList.h"

namespace ZUM {

// The child list of a node: a proxy over an intrusive list that owns its
// nodes, so the links live in the children and destroying the list destroys
// them.
class NNodeList : public NodeList {
public:
    NNodeList();
};

} // namespace ZUM
