#include "xml/Entity.h"

#include "xml/XMLOutputter.h"

namespace ZUM {

Node* Entity::cloneNode(bool) {
    auto copy = std::make_unique<Entity>(ownerDocument);
    copy->nodeName = nodeName;
    copyIdsTo(*copy);
    if (notationName) copy->setNotationName(*notationName);
    copy->replacementText.assign(replacementText);
    return copy.release();
}

void Entity::output(XMLOutputter& out) {
    out.write(u"<!ENTITY ");
    if (nodeName) out.write(*nodeName);
    out.writeChar(u' ');
    if (writeExternalId(out)) {
        if (notationName) {
            out.write(u" NDATA ");
            out.write(*notationName);
        }
    } else {
        out.writeChar(u'"');
        out.writeEscaped(replacementText);
        out.writeChar(u'"');
    }
    out.write(u" >");
}

} // namespace ZUM
