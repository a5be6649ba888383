#include "xml/Notation.h"

#include "xml/XMLOutputter.h"

namespace ZUM {

Node* Notation::cloneNode(bool) {
    return copyWithIds<Notation>().release();
}

void Notation::output(XMLOutputter& out) {
    writeDeclarationStart(out, u"<!NOTATION ");
    writeExternalId(out);
    out.write(u" >");
}

} // namespace ZUM
