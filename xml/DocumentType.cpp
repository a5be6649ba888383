#include "xml/DocumentType.h"

#include "base/LinkIterator.h"
#include "xml/XMLOutputter.h"

namespace ZUM {

DocumentType::DocumentType(Document* ownerDocument)
    : External(ownerDocument, DocumentTypeNode), elementDecls(this), entities(this),
      parameterEntities(this), notations(this) {}

// The list cells go first, then the maps with their declarations, then the
// superseded ones; the members go in reverse order of declaration.
DocumentType::~DocumentType() {
    declarations.clear();
    superseded.deleteAll();
}

Node* DocumentType::cloneNode(bool) {
    return copyWithIds<DocumentType>().release();
}

NamedNodeMap* DocumentType::mapFor(std::int16_t kind) {
    switch (kind) {
    case DtdElementNode: return &elementDecls;
    case EntityNode: return &entities;
    case DtdPEntityNode: return &parameterEntities;
    case NotationNode: return &notations;
    default: return nullptr;
    }
}

void DocumentType::addDeclaration(Node* node) {
    if (!node) return;
    if (NamedNodeMap* map = mapFor(node->getNodeType())) {
        // Both cells are made before anything changes hands, and the map
        // replaces in place, so a failed allocation changes nothing (the
        // replaced node was once in both the map and superseded).
        Node* present = map->get(node->getNodeName());
        if (present == node) return;
        declarations.append(node);
        if (present) {
            try {
                superseded.append(present);
            } catch (...) {
                declarations.removeLast();
                throw;
            }
        }
        map->setNamedItem(node);
        return;
    }
    declarations.append(node);
}

void DocumentType::output(XMLOutputter& out) {
    out.write(u"<!DOCTYPE ");
    if (nodeName) out.write(*nodeName);
    if (publicId || systemId) {
        out.writeChar(u' ');
        writeExternalId(out);
    }
    if (!declarations.isEmpty()) {
        out.write(u" [");
        LinkIterator<Node> it(declarations);
        while (Node* node = it.next()) node->output(out);
        out.writeChar(u']');
    }
    out.writeChar(u'>');
}

} // namespace ZUM
