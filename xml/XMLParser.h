#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>

#include "base/NDLinkList.h"
#include "base/TString.h"
#include "xml/NamespaceUnit.h"
#include "xml/XMLParserSrc.h"

namespace ZUM {

class DOMImplementation;
class DocumentType;
class DtdAttlist;
class DtdECUnit;
class Document;
class Element;
class Entity;
class External;
class NamedNodeMap;
class Node;
class Text;
class XMLReader;
template <typename T>
class TextWriter;

// The parse of one XML document from UTF-16 text into a Document: a
// recursive-descent, non-validating parser. Whoever runs it pushes the
// document's text onto getSource() and calls parseDocument once. Every syntax
// error ends the parse at once with an XMLParseError, which parseDocument
// reports on standard error.
//
// The parser owns the document until takeDocument hands it over; a failed
// parse releases the partial tree at once.
class XMLParser {
public:
    // Option bits: keep references to undeclared general entities, and allow
    // "<" inside attribute values (after its first unit and after references).
    enum Options : u32 { KeepUnknownReferences = 0x004, LessThanInAttValue = 0x800 };
    static constexpr u32 DefaultOptions = KeepUnknownReferences | LessThanInAttValue;
    // Entity references may push at most this multiple of the document's
    // length (plus the allowance) in all.
    static constexpr std::uint64_t ExpansionMultiple = 64;
    static constexpr std::uint64_t ExpansionAllowance = 4096;
    // Deepest nesting of elements, of content-model groups and of entity
    // expansions; it keeps the parse, the serialiser and the tree's
    // destruction well within 1 MiB of stack.
    static constexpr int MaxDepth = 1000;

    XMLParser(DOMImplementation* implementation, XMLReader* reader, TextWriter<u16>* writer);
    ~XMLParser();
    XMLParser(const XMLParser&) = delete;
    XMLParser& operator=(const XMLParser&) = delete;

    // Where the document's text is pushed before the parse.
    XMLParserSrc& getSource() { return *source; }
    // True when the document parsed. An XMLParseError is written to standard
    // error as "ERROR:%d: %s\n" and answers false; other exceptions pass.
    bool parseDocument();
    DOMImplementation* getImplementation() const { return implementation; }
    XMLReader* getReader() const { return reader; }
    TextWriter<u16>* getWriter() const { return writer; }
    u32 getOptions() const { return options; }

    // The tree being built (null after a failed parse), and its hand-over.
    Document* getDocument() const { return document.get(); }
    Document* takeDocument() { return document.release(); }

    // Parses `count` UTF-16 units: a new Document for the caller, or null
    // after a parse error (reported on standard error). The library must be
    // started.
    static Document* parseUnits(const u16* units, u32 count);

private:
    void parseProlog();
    void parseXMLDecl();
    void parseVersionInfo();
    void parseEncodingDecl();
    void parseStandaloneDecl();
    u16 openPseudoValue(int noQuoteError);
    u16 openQuote();
    void closePseudoValue(u16 quote, int apostropheError, int quoteError);
    void setDeclAttribute(const char16_t* name, const Utf16String& value);
    bool parseMisc();
    Node* parseComment(Node* parent);
    Node* parsePI(Node* parent);
    Text* skipSpaceInto(Node* parent);

    void parseElement(Node* parent);
    void parseContent(Element* element);
    void endText(Text*& text);
    void parseEndTag();
    void parseAttribute(Element* element);
    void resolveAttributeNamespaces(Element* element);
    void resolveElementNamespace(Element* element, int error);
    void parseAttValue(Utf16String& value);
    void parseReference(Utf16String& out);
    void parseCharRef(Utf16String& out);
    void expandEntity(Utf16String& text, std::vector<const Utf16String*> expanding);
    Utf16String& readName(Utf16String& name);
    Utf16String& readNmtoken(Utf16String& token);

    // The interned parts of an interned qualified name.
    struct NameParts {
        Utf16String* prefix; // empty without ":"
        Utf16String* localName;
        bool hasColon;
    };
    const NameParts& partsOf(Utf16String* qualifiedName);
    void pushNamespace(const Utf16String& prefix, const Utf16String& uri, Element* owner);
    Utf16String* lookupNamespace(Utf16String* prefix) const;
    Utf16String* lookupDefaultNamespace() const;
    void popNamespaces(Element* owner);

    void parseDoctype();
    void parseInternalSubset();
    void parsePEReference();
    void parseSystemId(External* target);
    void parsePublicId(External* target, bool systemOptional);
    bool readSystemLiteral(bool optional, Utf16String& literal);
    void readPubidLiteral(Utf16String& literal);
    void parseElementDecl();
    void parseMixedContent(DtdECUnit* root);
    void parseGroupMembers(DtdECUnit* group);
    DtdECUnit* parseContentParticle();
    void parseOccurrence(DtdECUnit* unit);
    void parseAttlistDecl();
    void parseAttType(DtdAttlist* attlist);
    void parseEnumeration(DtdAttlist* attlist, bool nmtokens, int closeError);
    void parseDefaultDecl(DtdAttlist* attlist);
    void parseEntityDecl();
    void parseNData(Entity* entity);
    void parseEntityValue(Utf16String& value);
    void parseNotationDecl();

    void requireSpace();
    void enterLevel();
    void leaveLevel() { --depth; }
    template <class T>
    T* append(Node* parent, T* child);
    template <class T>
    T* declare(const Utf16String& name);

    DOMImplementation* implementation;
    XMLReader* reader;
    TextWriter<u16>* writer;
    std::unique_ptr<Document> document;
    std::unique_ptr<XMLParserSrc> source; // declared after the document it borrows from
    NamedNodeMap* declAttributes;
    NDLinkList<NamespaceUnit> namespaces{true};
    DocumentType* doctype;
    u32 options = DefaultOptions;

    // Parts of every qualified name met, so each is split and interned once.
    std::unordered_map<const Utf16String*, NameParts> nameParts;
    int depth = 0;
    std::uint64_t expanded = 0;
    std::uint64_t expansionLimit = 0;
    // Working strings reused across productions, so names and values are read
    // without allocating: `name` for names of elements, attributes and
    // declarations, `refName` for references, `value` for attribute and
    // entity values, `scratch` for short-lived texts, `textRun` for the
    // character data of content.
    Utf16String name;
    Utf16String refName;
    Utf16String value;
    Utf16String scratch;
    Utf16String textRun;
    const Utf16String entityLabel{u"ENTITY"};
    const Utf16String xmlNamespace{u"http://www.w3.org/XML/1998/namespace"};
    const Utf16String xmlnsNamespace{u"http://www.w3.org/2000/xmlns/"};
};

} // namespace ZUM
