#include "xml/Attr.h"

#include "xml/XMLOutputter.h"

namespace ZUM {

Node* Attr::cloneNode(bool) {
    return copyBase<Attr>().release();
}

void Attr::output(XMLOutputter& out) {
    if (nodeName) out.write(*nodeName);
    out.write(u"=\"");
    out.writeEscaped(nodeValue);
    out.writeChar(u'"');
}

} // namespace ZUM
