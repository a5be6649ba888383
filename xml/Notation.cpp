#include "xml/Notation.h"

#include "xml/XMLOutputter.h"

namespace ZUM {

Node* Notation::cloneNode(bool) {
    std::unique_ptr<Notation> copy = copyBase<Notation>();
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
