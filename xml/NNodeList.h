#pragma once

#include "base/NDLinkList.h"
#include "xml/NodeList.h"

namespace ZUM {

// The child list of a node: a proxy over an intrusive list that owns its
// nodes, so the links live in the children and destroying the list destroys
// them. The intrusive list is kept inside the proxy, so a node's child list
// costs no allocation of its own.
class NNodeList : public NodeList {
public:
    NNodeList();
    ~NNodeList() override;

private:
    NDLinkList<Node> children;
};

} // namespace ZUM
