#include "xml/XMLDecl.h"

#include "xml/XMLOutputter.h"

namespace ZUM {

Node* XMLDecl::cloneNode(bool) {
    return nullptr;
}

// Only the three pseudo-attributes, in their fixed order.
void XMLDecl::output(XMLOutputter& out) {
    out.write(u"<?xml");
    for (const char16_t* name : {u"version", u"encoding", u"standalone"}) {
        Node* attribute = getAttributes()->getNamedItem(Utf16String(name));
        if (!attribute) continue;
        out.writeChar(u' ');
        attribute->output(out);
    }
    if (!out.hasFlag(XMLOutputter::NoSpaceBeforeDeclEnd)) out.writeChar(u' ');
    out.write(u"?>");
}

} // namespace ZUM
