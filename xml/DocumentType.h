#pragma once

#include "base/LinkList.h"
#include "xml/External.h"

namespace ZUM {

// The document type: its name and identifiers, the declarations of the
// internal subset in four maps by kind, and `declarations`, every node of the
// internal subset in document order for output. The maps own the
// declarations; the comments, processing instructions and whitespace text
// between them are children of this node; the list owns nothing.
class DocumentType : public External {
public:
    explicit DocumentType(Document* ownerDocument);
    ~DocumentType() override;

    // Name and identifiers, with empty maps and list.
    Node* cloneNode(bool deep) override;
    // <!DOCTYPE name PUBLIC "pub" "sys" [subset]>
    void output(XMLOutputter& out) override;

    NamedNodeMap* getElementDecls() { return &elementDecls; }
    NamedNodeMap* getEntities() { return &entities; }
    NamedNodeMap* getParameterEntities() { return &parameterEntities; }
    NamedNodeMap* getNotations() { return &notations; }
    LinkList<Node>* getDeclarations() { return &declarations; }

    // Appends a node of the internal subset to `declarations`. A declaration
    // (DtdElement, Entity, DtdPEntity, Notation) also enters the map of its
    // kind, replacing one of the same name; the replaced node stays listed
    // and this node keeps it until it dies. Other nodes stay owned where they
    // are (children of this node, attribute definitions of their element).
    void addDeclaration(Node* node);

private:
    NamedNodeMap* mapFor(std::int16_t kind);

    NamedNodeMap elementDecls;
    NamedNodeMap entities;
    NamedNodeMap parameterEntities;
    NamedNodeMap notations;
    LinkList<Node> declarations;
    // Declarations that a later one of the same name replaced in its map.
    LinkList<Node> superseded;
};

} // namespace ZUM
