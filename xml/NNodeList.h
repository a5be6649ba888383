#pragma once

#include "base/NDLinkList.h"
#include "base/SlabPool.h"
#include "xml/NodeList.h"

namespace ZUM {

// The child list of a node seen as a list: a proxy over the node's own
// intrusive list, whose links live in the children. The node owns the list
// and the children; the proxy owns neither and is made only when asked for.
class NNodeList : public NodeList {
public:
    explicit NNodeList(NDLinkList<Node>& children) : NodeList(children) {}
    ZUM_SLAB_ALLOCATED
    ~NNodeList() override;
};

} // namespace ZUM
