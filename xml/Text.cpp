#include "xml/Text.h"

#include "xml/Document.h"
#include "xml/XMLOutputter.h"

namespace ZUM {

Text::Text(Document* ownerDocument) : Text(ownerDocument, TextNode) {}


Node* Text::cloneNode(bool) {
    return copyBase<Text>().release();
}

void Text::output(XMLOutputter& out) {
    out.writeEscaped(nodeValue);
}

} // namespace ZUM
