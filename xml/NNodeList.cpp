#include "xml/NNodeList.h"

#include "xml/Node.h"

namespace ZUM {

static_assert(alignof(NNodeList) <= SlabPool::CellAlignment);

NNodeList::~NNodeList() = default;

} // namespace ZUM
