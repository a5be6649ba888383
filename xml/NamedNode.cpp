#include "xml/NamedNode.h"

#include "xml/Document.h"
#include "xml/XMLOutputter.h"

namespace ZUM {

void NamedNode::writeDeclarationStart(XMLOutputter& out, const char16_t* keyword) const {
    out.write(keyword);
    if (nodeName) out.write(*nodeName);
    out.writeChar(u' ');
}

void NamedNode::setPrefix(const u16* terminated) {
    setPrefixAtom(document()->internPrefix(terminated));
}

void NamedNode::setPrefix(const Utf16String& text) {
    setPrefixAtom(document()->internPrefix(text));
}

void NamedNode::setPrefix(const Utf16String* orNull) {
    setPrefixAtom(orNull ? document()->internPrefix(*orNull) : nullptr);
}

void NamedNode::setPrefixAtom(Utf16String* prefix) {
    namespaceName = document()->internNamespaceName({prefix, getLocalName(), getNamespaceURI()});
}

} // namespace ZUM
