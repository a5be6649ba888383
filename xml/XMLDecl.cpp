#include "xml/XMLDecl.h"

#include "xml/XMLOutputter.h"

namespace ZUM {

Node* XMLDecl::cloneNode(bool) {
    return nullptr;
}

// Only the three pseudo-attributes, in their fixed order. A document read
// without a declaration has no version, and "<?xml ?>" would not be
// well-formed: it is written without one.
void XMLDecl::output(XMLOutputter& out) {
    if (!getAttributes()->getNamedItem(Utf16String(u"version"))) return;
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
