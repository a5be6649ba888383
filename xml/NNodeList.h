#pragma once

#include "base/NDLinkList.h"
#include "base/SlabPool.h"
#include "xml/NodeList.h"

namespace ZUM {

// The child list of a node: a proxy over an intrusive list that owns its
// nodes, so the links live in the children and destroying the list destroys
// them. The intrusive list is kept inside the proxy, so a child list is one
// allocation.
class NNodeList : public NodeList {
public:
    NNodeList();
    ZUM_SLAB_ALLOCATED
    ~NNodeList() override;

    // Moves all of `other`'s nodes, in their order, to the front of this list.
    void prependAll(NNodeList& other) { children.prependAll(other.children); }

private:
    NDLinkList<Node> children;
};

} // namespace ZUM
