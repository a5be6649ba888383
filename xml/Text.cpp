#include "xml/Text.h"

#include "xml/Document.h"
#include "xml/XMLOutputter.h"

namespace ZUM {

Text::Text(Document* ownerDocument) : Text(ownerDocument, TextNode, u"#text") {}

Text::Text(Document* ownerDocument, std::int16_t nodeType, const char16_t* name)
    : CharacterData(ownerDocument, nodeType) {
    setFixedName(name);
}

Node* Text::cloneNode(bool) {
    return copyBase<Text>().release();
}

void Text::output(XMLOutputter& out) {
    out.writeEscaped(nodeValue);
}

} // namespace ZUM
