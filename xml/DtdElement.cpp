#include "xml/DtdElement.h"

#include "xml/XMLOutputter.h"

namespace ZUM {

Node* DtdElement::cloneNode(bool) {
    return nullptr;
}

void DtdElement::output(XMLOutputter& out) {
    writeDeclarationStart(out, u"<!ELEMENT ");
    contentSpec.output(out);
    out.write(u" >");
}

} // namespace ZUM
