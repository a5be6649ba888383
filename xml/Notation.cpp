#include "xml/Notation.h"

#include "xml/XMLOutputter.h"

namespace ZUM {

Node* Notation::cloneNode(bool) {
    auto copy = std::make_unique<Notation>(ownerDocument);
    copy->nodeName = nodeName;
    copyIdsTo(*copy);
    return copy.release();
}

void Notation::output(XMLOutputter& out) {
    out.write(u"<!NOTATION ");
    if (nodeName) out.write(*nodeName);
    out.writeChar(u' ');
    writeExternalId(out);
    out.write(u" >");
}

} // namespace ZUM
