#include "xml/Attr.h"

#include "xml/Element.h"
#include "xml/XMLOutputter.h"

namespace ZUM {

Node* Attr::cloneNode(bool) {
    return copyNamed<Attr>().release();
}

Element* Attr::getOwnerElement() const {
    return static_cast<Element*>(parentLink());
}

void Attr::setOwnerElement(Element* element) {
    if (element)
        linkTo(element);
    else
        unlink();
}

void Attr::output(XMLOutputter& out) {
    if (nodeName) out.write(*nodeName);
    out.write(u"=\"");
    out.writeEscaped(nodeValue);
    out.writeChar(u'"');
}

} // namespace ZUM
