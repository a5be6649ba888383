#include "xml/CDATASection.h"

#include "xml/XMLOutputter.h"

namespace ZUM {

CDATASection::CDATASection(Document* ownerDocument)
    : Text(ownerDocument, CDATASectionNode, u"#cdata-section") {}

Node* CDATASection::cloneNode(bool) {
    auto copy = std::make_unique<CDATASection>(ownerDocument);
    copy->nodeValue.assign(nodeValue);
    return copy.release();
}

void CDATASection::output(XMLOutputter& out) {
    out.write(u"<![CDATA[");
    out.write(nodeValue);
    out.write(u"]]>");
}

} // namespace ZUM
