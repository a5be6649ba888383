#include "xml/DtdPEntity.h"

#include "xml/XMLOutputter.h"

namespace ZUM {

Node* DtdPEntity::cloneNode(bool) {
    auto copy = std::make_unique<DtdPEntity>(ownerDocument);
    copy->nodeName = nodeName;
    copyIdsTo(*copy);
    copy->nodeValue.assign(nodeValue);
    return copy.release();
}

void DtdPEntity::output(XMLOutputter& out) {
    out.write(u"<!ENTITY % ");
    if (nodeName) out.write(*nodeName);
    out.writeChar(u' ');
    if (!writeExternalId(out)) writeQuoted(out, nodeValue);
    out.write(u" >");
}

} // namespace ZUM
