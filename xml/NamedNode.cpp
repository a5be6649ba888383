#include "xml/NamedNode.h"

#include "xml/Document.h"
#include "xml/XMLOutputter.h"

namespace ZUM {

void NamedNode::writeDeclarationStart(XMLOutputter& out, const char16_t* keyword) const {
    out.write(keyword);
    if (nodeName) out.write(*nodeName);
    out.writeChar(u' ');
}

void NamedNode::setPrefixAtom(Utf16String* prefix) {
    namespaceName = document()->internNamespaceName({prefix, getLocalName(), getNamespaceURI()});
}

} // namespace ZUM
