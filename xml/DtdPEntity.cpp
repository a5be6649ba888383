#include "xml/DtdPEntity.h"

#include "xml/XMLOutputter.h"

namespace ZUM {

Node* DtdPEntity::cloneNode(bool) {
    return copyWithIds<DtdPEntity>().release();
}

void DtdPEntity::output(XMLOutputter& out) {
    writeDeclarationStart(out, u"<!ENTITY % ");
    if (!writeExternalId(out)) writeQuoted(out, nodeValue);
    out.write(u" >");
}

} // namespace ZUM
