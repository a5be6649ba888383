#include "xml/CDATASection.h"

#include "xml/XMLOutputter.h"

namespace ZUM {

CDATASection::CDATASection(Document* ownerDocument)
    : Text(ownerDocument, CDATASectionNode) {}

Node* CDATASection::cloneNode(bool) {
    return copyBase<CDATASection>().release();
}

void CDATASection::output(XMLOutputter& out) {
    writeValueWithin(out, u"<![CDATA[", u"]]>");
}

} // namespace ZUM
