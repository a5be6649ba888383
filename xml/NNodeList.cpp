#include "xml/NNodeList.h"

#include "base/NDLinkList.h"
#include "xml/Node.h"

namespace ZUM {

static_assert(alignof(NNodeList) <= SlabPool::CellAlignment);

// The base keeps only the address of the member, which is built right after it.
NNodeList::NNodeList() : NodeList(children), children(true) {}

NNodeList::~NNodeList() = default;

} // namespace ZUM
