#include "xml/Attr.h"

#include "xml/XMLOutputter.h"

namespace ZUM {

Node* Attr::cloneNode(bool) {
    auto copy = std::make_unique<Attr>(ownerDocument);
    copy->nodeName = nodeName;
    copy->prefix = prefix;
    copy->localName = localName;
    copy->namespaceURI = namespaceURI;
    copy->nodeValue.assign(nodeValue);
    copy->specified = specified;
    return copy.release();
}

void Attr::output(XMLOutputter& out) {
    if (nodeName) out.write(*nodeName);
    out.write(u"=\"");
    out.writeEscaped(nodeValue);
    out.writeChar(u'"');
}

} // namespace ZUM
