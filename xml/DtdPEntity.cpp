#include "xml/DtdPEntity.h"

#include "xml/XMLOutputter.h"

namespace ZUM {

Node* DtdPEntity::cloneNode(bool) {
    std::unique_ptr<DtdPEntity> copy = copyBase<DtdPEntity>();
    copyIdsTo(*copy);
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
