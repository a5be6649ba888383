#include "xml/DtdElement.h"

#include "xml/XMLOutputter.h"

namespace ZUM {

Node* DtdElement::cloneNode(bool) {
    return nullptr;
}

void DtdElement::output(XMLOutputter& out) {
    out.write(u"<!ELEMENT ");
    if (nodeName) out.write(*nodeName);
    out.writeChar(u' ');
    contentSpec.output(out);
    out.write(u" >");
}

} // namespace ZUM
