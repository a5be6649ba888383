#pragma once

#include "base/TextArena.h"
#include "xml/AtomTable.h"
#include "xml/NamespaceNameTable.h"
#include "xml/Node.h"

namespace ZUM {

class Attr;
class CDATASection;
class Comment;
class DOMImplementation;
class DocumentType;
class Element;
class NamedNode;
class ProcessingInstruction;
class Text;
class XMLDecl;

// The root of a tree. It owns the whole tree, its document type (also while
// that is not linked in) and three atom tables in which every name of its
// nodes is interned: node and local names, namespace names and prefixes.
// Names of its nodes die with it.
class Document : public Node {
public:
    // A document whose only child is an empty XML declaration, with an empty
    // document type that is not yet a child.
    Document();
    ~Document() override;
    Utf16String* getNodeName() const override { return fixedName(u"#document"); }

    // The copy has its own atom tables: names are interned again in them.
    Node* cloneNode(bool deep) override;
    void output(XMLOutputter& out) override;

    // Factories: a new detached node of this document, for the caller.
    Element* createElement(const Utf16String& name);
    Element* createElementNS(const Utf16String& namespaceURI, const Utf16String& qualifiedName);
    // Null data gives an empty node.
    Text* createTextNode(const Utf16String* data);
    Comment* createComment(const Utf16String* data);
    CDATASection* createCDATASection(const Utf16String* data);
    ProcessingInstruction* createProcessingInstruction(const Utf16String& target,
                                                       const Utf16String& data);
    Attr* createAttribute(const u16* name);
    Attr* createAttribute(const Utf16String& name);

    DocumentType* getDoctype() const { return doctype; }
    XMLDecl* getXMLDecl() const { return xmlDecl; }
    DOMImplementation* getImplementation() const { return implementation; }

    // The shared copy of a string in one of the tables, added when absent.
    Utf16String* internName(const Utf16String& name) { return names.intern(name); }
    Utf16String* internName(const u16* terminated) { return names.intern(terminated); }
    Utf16String* internName(const u16* units, u32 count) { return names.intern(units, count); }
    Utf16String* internNamespaceURI(const Utf16String& uri) { return namespaceURIs.intern(uri); }
    Utf16String* internNamespaceURI(const u16* terminated) {
        return namespaceURIs.intern(terminated);
    }
    Utf16String* internPrefix(const Utf16String& prefix) { return prefixes.intern(prefix); }
    Utf16String* internPrefix(const u16* terminated) { return prefixes.intern(terminated); }
    // The shared record of a node's namespace parts, atoms of these tables.
    const NamespaceName* internNamespaceName(const NamespaceName& name) {
        return namespaceNames.intern(name);
    }
    // The part of a qualified name before its first ":" (interned among the
    // prefixes; empty without ":"), and the part after it (interned among the
    // names; the whole name without ":").
    Utf16String* prefixOf(const Utf16String& qualifiedName);
    Utf16String* localNameOf(const Utf16String& qualifiedName);

    // Names a node without namespace processing: prefix, local name and
    // namespace name become null.
    void initName(NamedNode& node, const Utf16String& name);
    // Names a node with namespace processing.
    void initNameNS(NamedNode& node, const Utf16String& namespaceURI,
                    const Utf16String& qualifiedName);
    // The same for a node already named by its qualified name, from parts
    // already interned in this document's tables (the parser's fast path).
    void initNameNS(NamedNode& node, Utf16String* namespaceURI, Utf16String* prefix,
                    Utf16String* localName);

    // Sets a node's value to a copy kept with the document, which allocates
    // nothing of its own: the parser's way of setting the many values of a
    // tree. A later change of the value copies it out again.
    void storeValue(Node& node, const TStringPtr<u16>& value);

    const AtomTable& getNames() const { return names; }
    const AtomTable& getNamespaceURIs() const { return namespaceURIs; }
    const AtomTable& getPrefixes() const { return prefixes; }

private:
    void adoptTree();

    DOMImplementation* implementation;
    DocumentType* doctype = nullptr;
    AtomTable names;
    AtomTable namespaceURIs;
    AtomTable prefixes;
    NamespaceNameTable namespaceNames;
    TextArena values;
    XMLDecl* xmlDecl = nullptr;
};

} // namespace ZUM
