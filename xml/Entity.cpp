#include "xml/Entity.h"

#include "xml/XMLOutputter.h"

namespace ZUM {

Node* Entity::cloneNode(bool) {
    std::unique_ptr<Entity> copy = copyWithIds<Entity>();
    if (notationName) copy->setNotationName(*notationName);
    copy->replacementText.assign(replacementText);
    return copy.release();
}

void Entity::output(XMLOutputter& out) {
    writeDeclarationStart(out, u"<!ENTITY ");
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
