#include "xml/NNodeList.h"

#include "base/NDLinkList.h"
#include "xml/Node.h"

namespace ZUM {

NNodeList::NNodeList() : NodeList(std::make_unique<NDLinkList<Node>>(true)) {}

} // namespace ZUM
