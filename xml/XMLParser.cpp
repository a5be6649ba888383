#include "xml/XMLParser.h"

#include <cstdio>
#include <string_view>

#include "base/Surrogates.h"
#include "xml/Attr.h"
#include "xml/CDATASection.h"
#include "xml/Comment.h"
#include "xml/DOMModule.h"
#include "xml/Document.h"
#include "xml/DocumentType.h"
#include "xml/DtdAttlist.h"
#include "xml/DtdECUnit.h"
#include "xml/DtdElement.h"
#include "xml/DtdPEntity.h"
#include "xml/Element.h"
#include "xml/Entity.h"
#include "xml/Notation.h"
#include "xml/ProcessingInstruction.h"
#include "xml/Text.h"
#include "xml/XMLDecl.h"
#include "xml/XMLParseError.h"
#include "xml/tables/NameCharTable.h"

namespace ZUM {

namespace {

// A constant run of code units, written as a u"" literal.
template <std::size_t N>
struct Units {
    u16 data[N - 1];
    static constexpr u32 size = N - 1;
    constexpr Units(const char16_t (&text)[N]) : data() {
        for (std::size_t i = 0; i + 1 < N; ++i) data[i] = text[i];
    }
};

constexpr Units TextStop(u"<&");
constexpr Units CommentEnd(u"--");
constexpr Units PIEnd(u"?>");
constexpr Units CDataEnd(u"]]>");
constexpr Units HexDigits(u"0123456789abcdefABCDEF");
constexpr Units DecimalDigits(u"0123456789");
constexpr Units VersionChars(u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_.:-");
constexpr Units PubidChars(u" \r\nabcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
                           u";-'()+,./:=?;!*#@$_%");
constexpr Units PubidCharsButApostrophe(
    u" \r\nabcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789;-()+,./:=?;!*#@$_%");
static_assert(PubidChars.size == 85 && PubidCharsButApostrophe.size == 84);
constexpr Units EncodingChars(u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789._-");

struct Predefined {
    std::u16string_view name;
    u16 unit;
};

constexpr Predefined predefinedEntities[] = {
    {u"lt", u'<'}, {u"gt", u'>'}, {u"amp", u'&'}, {u"apos", u'\''}, {u"quot", u'"'},
};

// Units that stand around the name of a reference kept unexpanded; the
// serialiser writes them back as "&" and ";".
constexpr u16 ReferenceOpen = 0x0001;
constexpr u16 ReferenceClose = 0x0002;

[[noreturn]] void fail(int number) {
    throw XMLParseError::numbered(number);
}

std::u16string_view view(const Utf16String& text) {
    return {reinterpret_cast<const char16_t*>(text.data()), text.length()};
}

bool isAsciiLetter(int unit) {
    return (unit >= 'A' && unit <= 'Z') || (unit >= 'a' && unit <= 'z');
}

} // namespace

XMLParser::XMLParser(DOMImplementation* implementation, XMLReader* reader, TextWriter<u16>* writer)
    : implementation(implementation), reader(reader), writer(writer),
      document(std::make_unique<Document>()), source(std::make_unique<XMLParserSrc>()),
      declAttributes(document->getXMLDecl()->getAttributes()), doctype(document->getDoctype()) {
    pushNamespace(Utf16String(u"xml"), xmlNamespace, nullptr);
    pushNamespace(Utf16String(u"xmlns"), xmlnsNamespace, nullptr);
}

XMLParser::~XMLParser() = default;

Document* XMLParser::parseUnits(const u16* units, u32 count) {
    XMLParser parser(sharedDOMImplementation(), nullptr, nullptr);
    parser.source->pushUnit(new XMLParserSrcUnit(Utf16String(u"unknown"), units, count));
    return parser.parseDocument() ? parser.takeDocument() : nullptr;
}

bool XMLParser::parseDocument() {
    try {
        expansionLimit = ExpansionMultiple * source->remaining() + ExpansionAllowance;
        parseProlog();
        if (!source->matchAndSkip(u"<")) fail(ErrTopElement);
        parseElement(document.get());
        while (parseMisc()) {
        }
        // Whatever follows the document element is left unread.
        return true;
    } catch (const XMLParseError& error) {
        std::fprintf(stderr, "ERROR:%d: %s\n", static_cast<int>(error.number), error.message);
        document.reset();
        return false;
    }
}

template <class T>
T* XMLParser::append(Node* parent, T* child) {
    std::unique_ptr<T> owned(child);
    parent->appendChild(child);
    return owned.release();
}

void XMLParser::requireSpace() {
    if (!source->skipSpace()) fail(ErrSpace);
}

void XMLParser::enterLevel() {
    if (++depth > MaxDepth) fail(ErrDepthLimit);
}

// ---- Prolog

void XMLParser::parseProlog() {
    // A processing instruction whose target merely begins with "xml" is taken
    // for the declaration too, and then fails.
    if (source->matchAndSkip(u"<?xml")) parseXMLDecl();
    while (parseMisc()) {
    }
    if (source->matchAndSkip(u"<!DOCTYPE")) {
        parseDoctype();
        while (parseMisc()) {
        }
    }
}

void XMLParser::parseXMLDecl() {
    requireSpace();
    if (!source->matchAndSkip(u"version")) fail(ErrVersionMissing);
    parseVersionInfo();
    if (source->skipSpace()) {
        bool encoding = source->matchAndSkip(u"encoding");
        if (encoding) parseEncodingDecl();
        // After an encoding declaration, standalone needs whitespace of its own.
        if ((!encoding || source->skipSpace()) && source->matchAndSkip(u"standalone"))
            parseStandaloneDecl();
    }
    source->skipSpace();
    if (!source->matchAndSkip(u"?>")) fail(ErrXmlDeclEnd);
}

// `= "` or `= '` after a pseudo-attribute's keyword; answers the quote.
u16 XMLParser::openPseudoValue(int noQuoteError) {
    source->skipSpace();
    if (!source->matchAndSkip(u"=")) fail(ErrEquals);
    source->skipSpace();
    if (u16 quote = openQuote()) return quote;
    fail(noQuoteError);
}

// Consumes an opening double quote or apostrophe and answers it; 0 when
// neither is next.
u16 XMLParser::openQuote() {
    if (source->matchAndSkip(u"\"")) return u'"';
    if (source->matchAndSkip(u"'")) return u'\'';
    return 0;
}

void XMLParser::closePseudoValue(u16 quote, int apostropheError, int quoteError) {
    if (!source->matchAndSkip(1, &quote)) fail(quote == u'\'' ? apostropheError : quoteError);
}

void XMLParser::setDeclAttribute(const char16_t* name, const Utf16String& text) {
    std::unique_ptr<Attr> attribute(document->createAttribute(Utf16String(name)));
    attribute->setNodeValue(text);
    std::unique_ptr<Node> replaced(declAttributes->setNamedItem(attribute.get()));
    attribute.release();
}

void XMLParser::parseVersionInfo() {
    u16 quote = openPseudoValue(ErrVersionSyntax);
    if (source->atEnd()) fail(ErrVersionEndOfInput);
    scratch.clear();
    if (!source->readWhileAny(VersionChars.data, VersionChars.size, scratch))
        fail(ErrVersionNumber);
    closePseudoValue(quote, ErrVersionApostrophe, ErrVersionQuote);
    setDeclAttribute(u"version", scratch);
}

void XMLParser::parseEncodingDecl() {
    u16 quote = openPseudoValue(ErrEncodingSyntax);
    if (source->atEnd()) fail(ErrEncodingEndOfInput);
    if (!isAsciiLetter(source->peek())) fail(ErrEncodingName);
    scratch.clear();
    source->readWhileAny(EncodingChars.data, EncodingChars.size, scratch);
    closePseudoValue(quote, ErrEncodingApostrophe, ErrEncodingQuote);
    setDeclAttribute(u"encoding", scratch);
}

void XMLParser::parseStandaloneDecl() {
    u16 quote = openPseudoValue(ErrStandaloneSyntax);
    const char16_t* answer = source->matchAndSkip(u"yes")  ? u"yes"
                             : source->matchAndSkip(u"no") ? u"no"
                                                           : nullptr;
    if (!answer) fail(quote == u'\'' ? ErrStandaloneAfterApostrophe : ErrStandaloneAfterQuote);
    closePseudoValue(quote, ErrStandaloneApostrophe, ErrStandaloneQuote);
    setDeclAttribute(u"standalone", Utf16String(answer));
}

// One comment, processing instruction or whitespace run at document level.
bool XMLParser::parseMisc() {
    if (source->matchAndSkip(u"<!--")) {
        parseComment(document.get());
        return true;
    }
    if (source->matchAndSkip(u"<?")) {
        parsePI(document.get());
        return true;
    }
    return skipSpaceInto(document.get()) != nullptr;
}

// The rest of a comment after "<!--".
Node* XMLParser::parseComment(Node* parent) {
    Comment* comment = append(parent, document->createComment(nullptr));
    source->readUntilString(CommentEnd.data, CommentEnd.size, *comment->getNodeValue());
    if (!source->matchAndSkip(u"-->")) fail(ErrCommentEnd);
    return comment;
}

// The rest of a processing instruction after "<?".
Node* XMLParser::parsePI(Node* parent) {
    readName(name);
    scratch.clear();
    // The whitespace after the target is no part of the data.
    if (source->skipSpace()) source->readUntilString(PIEnd.data, PIEnd.size, scratch);
    Node* pi = append(parent, document->createProcessingInstruction(name, scratch));
    if (!source->matchAndSkip(u"?>")) fail(ErrPIEnd);
    return pi;
}

// A whitespace run, kept as a Text node of `parent`; null when there is none.
Text* XMLParser::skipSpaceInto(Node* parent) {
    scratch.clear();
    if (!source->skipSpace(&scratch)) return nullptr;
    return append(parent, document->createTextNode(&scratch));
}

// ---- Elements

// One element after its "<".
void XMLParser::parseElement(Node* parent) {
    enterLevel();
    Element* element = append(parent, document->createElement(readName(name)));
    bool hasAttributes = false;
    for (;;) {
        source->skipSpace();
        if (source->matchAndSkip(u">")) break;
        if (source->matchAndSkip(u"/>")) {
            if (hasAttributes) resolveAttributeNamespaces(element);
            resolveElementNamespace(element, ErrEmptyElementPrefix);
            popNamespaces(element);
            leaveLevel();
            return;
        }
        parseAttribute(element);
        hasAttributes = true;
    }
    if (hasAttributes) resolveAttributeNamespaces(element);
    resolveElementNamespace(element, ErrElementPrefix);
    parseContent(element);
    parseEndTag();
    popNamespaces(element);
    leaveLevel();
}

// Content up to the end tag. Character data and the references between them
// make one Text node, whose value is gathered and then stored at once; markup
// ends it.
void XMLParser::parseContent(Element* element) {
    Text* text = nullptr;
    for (;;) {
        int next = source->peek();
        if (next == u'<') {
            if (text) endText(text);
            // The unit after "<" tells markup apart; most often it starts a name.
            const int after = source->peekAt(1);
            if (after == u'/') return;
            const bool bangOrQuestion = after == u'!' || after == u'?';
            if (bangOrQuestion && source->matchAndSkip(u"<![CDATA[")) {
                Node* section = append(element, document->createCDATASection(nullptr));
                source->readUntilString(CDataEnd.data, CDataEnd.size, *section->getNodeValue());
                if (!source->matchAndSkip(u"]]>")) fail(ErrCDataEnd);
            } else if (bangOrQuestion && source->matchAndSkip(u"<?")) {
                parsePI(element);
            } else if (bangOrQuestion && source->matchAndSkip(u"<!--")) {
                parseComment(element);
            } else {
                source->skip(1);
                parseElement(element);
            }
            continue;
        }
        if (next < 0) fail(ErrEndOfSource);
        if (!text) {
            text = append(element, document->createTextNode(nullptr));
            textRun.clear();
        }
        if (next == u'&') {
            source->skip(1);
            parseReference(textRun);
        } else {
            source->readUntilAny(TextStop.data, TextStop.size, textRun);
        }
    }
}

// Markup ends a run of character data, and with it nested content begins, so
// one gathering string serves every level.
void XMLParser::endText(Text*& text) {
    document->storeValue(*text, textRun);
    text = nullptr;
}

// "</", a name that is not compared with the start tag's, and ">".
void XMLParser::parseEndTag() {
    source->skip(2);
    readName(name);
    source->skipSpace();
    if (!source->matchAndSkip(u">")) fail(ErrEndTagClose);
}

void XMLParser::parseAttribute(Element* element) {
    readName(name);
    if (element->getAttributes()->getNamedItem(name)) fail(ErrDuplicateAttribute);
    source->skipSpace();
    if (!source->matchAndSkip(u"=")) fail(ErrEquals);
    source->skipSpace();
    parseAttValue(value);
    std::u16string_view qualified = view(name);
    if (qualified == u"xmlns") {
        pushNamespace(Utf16String(), value, element);
        setAttributeNS(*element, value, name, value);
    } else if (qualified.starts_with(u"xmlns:")) {
        Utf16String local(name.data() + 6, name.length() - 6);
        pushNamespace(local, value, element);
        setAttributeNS(*element, xmlnsNamespace, name, value);
    } else {
        // The name is known to be new in the map.
        std::unique_ptr<Attr> attribute(document->createAttribute(name));
        document->storeValue(*attribute, value);
        element->getAttributes()->setNamedItem(attribute.get());
        attribute.release(); // the map took it
    }
}

// Unprefixed attributes take the default namespace in scope; prefixed ones
// the binding of their prefix.
void XMLParser::resolveAttributeNamespaces(Element* element) {
    element->getAttributes()->forEachNode([this](Node* attribute) {
        Utf16String* qualified = attribute->getNodeName();
        if (attribute->getNamespaceURI() || view(*qualified) == u"xmlns") return;
        const NameParts& parts = partsOf(qualified);
        Utf16String* uri;
        if (!parts.hasColon) {
            uri = lookupDefaultNamespace();
            if (!uri) return;
        } else {
            uri = lookupNamespace(parts.prefix);
            if (!uri) fail(ErrAttributePrefix);
        }
        // The map holds only the attributes the parser made.
        document->initNameNS(static_cast<Attr&>(*attribute), uri, parts.prefix, parts.localName);
    });
}

// The element's own declarations are in scope here already.
void XMLParser::resolveElementNamespace(Element* element, int error) {
    const NameParts& parts = partsOf(element->getNodeName());
    Utf16String* uri = lookupNamespace(parts.prefix);
    if (uri)
        document->initNameNS(*element, uri, parts.prefix, parts.localName);
    else if (parts.prefix->length() != 0)
        fail(error);
}

const XMLParser::NameParts& XMLParser::partsOf(Utf16String* qualifiedName) {
    auto found = nameParts.find(qualifiedName);
    if (found != nameParts.end()) return found->second;
    bool hasColon = view(*qualifiedName).find(u':') != std::u16string_view::npos;
    NameParts parts{document->prefixOf(*qualifiedName), document->localNameOf(*qualifiedName),
                    hasColon};
    return nameParts.emplace(qualifiedName, parts).first->second;
}

// A quoted attribute value with its references expanded, as written otherwise:
// no whitespace normalisation.
void XMLParser::parseAttValue(Utf16String& out) {
    out.clear();
    u16 quote = openQuote();
    if (!quote) fail(ErrAttValueQuote);
    // "<" is refused only where a run would start; within a run it is kept
    // when the options allow it.
    const u16 stop[] = {u'&', quote, u'<'};
    const u32 stopSize = options & LessThanInAttValue ? 2 : 3;
    for (;;) {
        int next = source->peek();
        if (next == u'&') {
            source->skip(1);
            parseReference(out);
        } else if (next == quote) {
            source->skip(1);
            return;
        } else if (next == u'<') {
            source->skip(1);
            fail(quote == u'"' ? ErrLessThanInDoubleQuoted : ErrLessThanInSingleQuoted);
        } else if (next < 0) {
            fail(ErrAttValueEndOfInput);
        } else {
            source->readUntilAny(stop, stopSize, out);
        }
    }
}

// The rest of a reference after "&". Character references append their unit;
// a declared entity's replacement text is pushed and read on where the
// reference stood; a predefined entity appends its character; any other
// reference is kept as ReferenceOpen, name, ReferenceClose.
void XMLParser::parseReference(Utf16String& out) {
    if (source->matchAndSkip(u"#")) {
        parseCharRef(out);
        return;
    }
    readName(refName);
    Node* entity = doctype->getEntities()->getNamedItem(refName);
    if (!entity) {
        std::u16string_view wanted = view(refName);
        const Predefined* predefined = nullptr;
        for (const Predefined& row : predefinedEntities) {
            if (row.name == wanted) {
                predefined = &row;
                break;
            }
        }
        if (predefined) {
            out.push(predefined->unit);
        } else if (!(options & KeepUnknownReferences)) {
            fail(ErrEntityUndefined);
        } else {
            out.push(ReferenceOpen);
            out.append(refName);
            out.push(ReferenceClose);
        }
    }
    // The unit holding the ";" is the text the reference belongs to; the
    // expansions it lies in must be known before reading the ";" pops it.
    std::vector<const Utf16String*> expanding;
    if (entity && source->topUnit()) expanding = source->topUnit()->expanding;
    if (!source->matchAndSkip(u";")) fail(ErrEntityRefEnd);
    if (entity) expandEntity(*static_cast<Entity*>(entity)->getReplacementText(), expanding);
}

// "&#" or "&#x" and digits. Values past U+FFFF become a surrogate pair; a
// value that is no character (past U+10FFFF, a surrogate) or that names the
// units marking a kept entity reference would corrupt the text and ends the
// parse.
void XMLParser::parseCharRef(Utf16String& out) {
    bool hex = source->matchAndSkip(u"x");
    scratch.clear();
    if (hex ? !source->readWhileAny(HexDigits.data, HexDigits.size, scratch)
            : !source->readWhileAny(DecimalDigits.data, DecimalDigits.size, scratch))
        fail(hex ? ErrHexCharRef : ErrDecimalCharRef);
    constexpr u32 Beyond = 0x110000;
    u32 value = 0;
    for (u32 i = 0; i < scratch.length() && value < Beyond; ++i) {
        u32 digit = scratch[i];
        u32 weight = digit <= u'9' ? digit - u'0' : (digit | 0x20) - u'a' + 10;
        value = value * (hex ? 16 : 10) + weight;
    }
    if (value >= Beyond || Surrogates::isSurrogate(value)) fail(ErrCharRefRange);
    if (value == ReferenceOpen || value == ReferenceClose) fail(ErrCharRefMarker);
    Surrogates::append(value, out);
    if (!source->matchAndSkip(u";")) fail(ErrCharRefEnd);
}

// Pushes an entity's replacement text, refusing an entity that is already
// being expanded around the reference and expansion past the parse's budget.
void XMLParser::expandEntity(Utf16String& text, std::vector<const Utf16String*> expanding) {
    for (const Utf16String* open : expanding)
        if (open == &text) fail(ErrRecursiveEntity);
    if (static_cast<int>(expanding.size()) >= MaxDepth) fail(ErrDepthLimit);
    expanded += text.length();
    if (expanded > expansionLimit) fail(ErrExpansionLimit);
    expanding.push_back(&text);
    auto unit = std::make_unique<XMLParserSrcUnit>(entityLabel, text);
    unit->expanding = std::move(expanding);
    source->pushUnit(unit.release());
}

// Every unit that may start a name may also go on with one, so a name is read
// in one run once its first unit is known to start one.
Utf16String& XMLParser::readName(Utf16String& out) {
    out.clear();
    const int first = source->peek();
    if (first < 0 || !(nameCharClass[first] & NameStartMask)) fail(ErrNameStart);
    source->readWhileClass(NameCharMask, out);
    return out;
}

Utf16String& XMLParser::readNmtoken(Utf16String& out) {
    out.clear();
    if (!source->readWhileClass(NameCharMask, out)) fail(ErrNmtoken);
    return out;
}

// ---- Namespace bindings

void XMLParser::pushNamespace(const Utf16String& prefix, const Utf16String& uri, Element* owner) {
    NamespaceUnit* top = namespaces.first();
    bool defaultInScope = prefix.length() == 0 || (top && top->defaultInScope);
    namespaces.prepend(new NamespaceUnit(document->internPrefix(prefix),
                                         document->internNamespaceURI(uri), owner, defaultInScope));
}

Utf16String* XMLParser::lookupNamespace(Utf16String* prefix) const {
    for (NamespaceUnit* unit = namespaces.first(); unit; unit = unit->getNext())
        if (unit->prefix == prefix) return unit->namespaceURI;
    return nullptr;
}

Utf16String* XMLParser::lookupDefaultNamespace() const {
    NamespaceUnit* unit = namespaces.first();
    if (!unit || !unit->defaultInScope) return nullptr;
    for (; unit; unit = unit->getNext())
        if (unit->prefix->length() == 0) return unit->namespaceURI;
    return nullptr;
}

// The built-in bindings have no owner and stay.
void XMLParser::popNamespaces(Element* owner) {
    while (namespaces.first() && namespaces.first()->owner == owner)
        delete namespaces.removeFirst();
}

// ---- Document type declaration

void XMLParser::parseDoctype() {
    document->appendChild(doctype);
    requireSpace();
    document->initName(*doctype, readName(name));
    // The external subset is named, never read.
    if (source->skipSpace()) {
        if (source->matchAndSkip(u"SYSTEM"))
            parseSystemId(doctype);
        else if (source->matchAndSkip(u"PUBLIC"))
            parsePublicId(doctype, false);
    }
    source->skipSpace();
    if (source->matchAndSkip(u"[")) {
        parseInternalSubset();
        if (!source->matchAndSkip(u"]")) fail(ErrSubsetEnd);
        source->skipSpace();
    }
    if (!source->matchAndSkip(u">")) fail(ErrDoctypeEnd);
}

// Declarations and the comments, processing instructions and whitespace
// between them, all listed in the document type for output. Conditional
// sections are not recognised: they end the subset.
void XMLParser::parseInternalSubset() {
    for (;;) {
        if (source->matchAndSkip(u"%"))
            parsePEReference();
        else if (Text* space = skipSpaceInto(doctype))
            doctype->addDeclaration(space);
        else if (source->matchAndSkip(u"<!ELEMENT"))
            parseElementDecl();
        else if (source->matchAndSkip(u"<!ATTLIST"))
            parseAttlistDecl();
        else if (source->matchAndSkip(u"<!ENTITY"))
            parseEntityDecl();
        else if (source->matchAndSkip(u"<!NOTATION"))
            parseNotationDecl();
        else if (source->matchAndSkip(u"<?"))
            doctype->addDeclaration(parsePI(doctype));
        else if (source->matchAndSkip(u"<!--"))
            doctype->addDeclaration(parseComment(doctype));
        else
            return;
    }
}

// A parameter-entity reference after "%": checked, never expanded.
void XMLParser::parsePEReference() {
    readName(refName);
    if (!source->matchAndSkip(u";")) fail(ErrPEReferenceEnd);
    if (!doctype->getParameterEntities()->getNamedItem(refName)) fail(ErrParameterEntityUndefined);
}

// The declaration is made only once its name has been read, so a failure
// while reading the name has nothing to release.
template <class T>
T* XMLParser::declare(const Utf16String& declaredName) {
    auto declaration = std::make_unique<T>(document.get());
    document->initName(*declaration, declaredName);
    doctype->addDeclaration(declaration.get());
    return declaration.release();
}

void XMLParser::parseSystemId(External* target) {
    requireSpace();
    scratch.clear();
    readSystemLiteral(false, scratch);
    target->setSystemId(scratch);
}

void XMLParser::parsePublicId(External* target, bool systemOptional) {
    requireSpace();
    scratch.clear();
    readPubidLiteral(scratch);
    target->setPublicId(scratch);
    scratch.clear();
    if (systemOptional) {
        source->skipSpace();
        if (readSystemLiteral(true, scratch)) target->setSystemId(scratch);
    } else {
        requireSpace();
        readSystemLiteral(false, scratch);
        target->setSystemId(scratch);
    }
}

// A quoted system literal, possibly empty; false when optional and absent.
bool XMLParser::readSystemLiteral(bool optional, Utf16String& literal) {
    u16 quote = openQuote();
    if (!quote) {
        if (optional) return false;
        fail(ErrSystemLiteral);
    }
    source->readUntilString(&quote, 1, literal);
    if (!source->matchAndSkip(1, &quote))
        fail(quote == u'"' ? ErrSystemLiteralQuote : ErrSystemLiteralApostrophe);
    return true;
}

// A quoted, non-empty public identifier.
void XMLParser::readPubidLiteral(Utf16String& literal) {
    u16 quote = openQuote();
    if (!quote) fail(ErrPubidLiteral);
    bool apostrophe = quote == u'\'';
    // An apostrophe-quoted literal cannot hold the apostrophe.
    const u16* accepted = apostrophe ? PubidCharsButApostrophe.data : PubidChars.data;
    u32 size = apostrophe ? PubidCharsButApostrophe.size : PubidChars.size;
    if (!source->readWhileAny(accepted, size, literal))
        fail(apostrophe ? ErrPubidAfterApostrophe : ErrPubidAfterQuote);
    if (!source->matchAndSkip(1, &quote)) fail(apostrophe ? ErrPubidApostrophe : ErrPubidQuote);
}

// ---- Element declarations

void XMLParser::parseElementDecl() {
    requireSpace();
    DtdElement* declaration = declare<DtdElement>(readName(name));
    requireSpace();
    DtdECUnit* root = declaration->getContentSpec();
    if (source->matchAndSkip(u"EMPTY")) {
        root->setFlags(DtdECUnit::Empty);
    } else if (source->matchAndSkip(u"ANY")) {
        root->setFlags(DtdECUnit::Any);
    } else if (source->matchAndSkip(u"(")) {
        source->skipSpace();
        if (source->matchAndSkip(u"#PCDATA")) {
            parseMixedContent(root);
        } else {
            root->setFlags(DtdECUnit::Sequence);
            parseGroupMembers(root);
            if (!source->matchAndSkip(u")")) fail(ErrGroupClose);
            parseOccurrence(root);
        }
    }
    source->skipSpace();
    if (!source->matchAndSkip(u">")) fail(ErrElementDeclEnd);
}

// After "( #PCDATA": either ")" alone or "| name ... )*".
void XMLParser::parseMixedContent(DtdECUnit* root) {
    auto pcdata = std::make_unique<DtdECUnit>(document.get());
    pcdata->setFlags(DtdECUnit::PCData);
    source->skipSpace();
    if (!source->matchAndSkip(u"|")) {
        if (!source->matchAndSkip(u")")) fail(ErrPCDataClose);
        root->setFlags(DtdECUnit::PCDataGroup);
        root->appendChild(pcdata.release());
        return;
    }
    root->setFlags(DtdECUnit::Mixed);
    root->appendChild(pcdata.release());
    do {
        source->skipSpace();
        auto member = std::make_unique<DtdECUnit>(document.get());
        member->setFlags(DtdECUnit::Name);
        member->setName(readName(name));
        root->appendChild(member.release());
        source->skipSpace();
    } while (source->matchAndSkip(u"|"));
    source->skipSpace();
    if (!source->matchAndSkip(u")")) fail(ErrMixedClose);
    if (!source->matchAndSkip(u"*")) fail(ErrMixedCloseStar);
}

// The particles of a group after its "(" and whitespace: separated by "|"
// (a choice) or by "," (a sequence); the first separator decides.
void XMLParser::parseGroupMembers(DtdECUnit* group) {
    group->appendChild(parseContentParticle());
    source->skipSpace();
    if (source->matchAndSkip(u"|")) {
        group->setFlags(DtdECUnit::Choice);
        do {
            source->skipSpace();
            group->appendChild(parseContentParticle());
            source->skipSpace();
        } while (source->matchAndSkip(u"|"));
    } else {
        while (source->matchAndSkip(u",")) {
            source->skipSpace();
            group->appendChild(parseContentParticle());
            source->skipSpace();
        }
    }
}

// A name or a nested group, with its occurrence; groups count towards the
// nesting bound.
DtdECUnit* XMLParser::parseContentParticle() {
    enterLevel();
    auto unit = std::make_unique<DtdECUnit>(document.get());
    if (source->matchAndSkip(u"(")) {
        unit->setFlags(DtdECUnit::Sequence);
        source->skipSpace();
        parseGroupMembers(unit.get());
        if (!source->matchAndSkip(u")")) fail(ErrParticleClose);
    } else {
        unit->setFlags(DtdECUnit::Name);
        unit->setName(readName(name));
    }
    parseOccurrence(unit.get());
    leaveLevel();
    return unit.release();
}

void XMLParser::parseOccurrence(DtdECUnit* unit) {
    if (source->matchAndSkip(u"?"))
        unit->addFlags(DtdECUnit::Optional);
    else if (source->matchAndSkip(u"*"))
        unit->addFlags(DtdECUnit::ZeroOrMore);
    else if (source->matchAndSkip(u"+"))
        unit->addFlags(DtdECUnit::OneOrMore);
}

// ---- Attribute-list declarations

// Each attribute definition becomes a child of its element's declaration,
// which must come first.
void XMLParser::parseAttlistDecl() {
    requireSpace();
    auto* element =
        static_cast<DtdElement*>(doctype->getElementDecls()->getNamedItem(readName(name)));
    if (!element) fail(ErrAttlistElement);
    DtdAttlist* last = nullptr;
    for (;;) {
        source->skipSpace();
        if (source->matchAndSkip(u">")) break;
        auto definition = std::make_unique<DtdAttlist>(document.get());
        document->initName(*definition, readName(name));
        definition->setFirst(last == nullptr);
        DtdAttlist* current = append(element, definition.release());
        doctype->addDeclaration(current);
        last = current;
        requireSpace();
        parseAttType(current);
        requireSpace();
        parseDefaultDecl(current);
    }
    if (last) last->setLast(true);
}

// Keywords are matched as prefixes, longer ones first; none leaves type 0.
void XMLParser::parseAttType(DtdAttlist* attlist) {
    static constexpr struct {
        std::u16string_view keyword;
        std::int32_t type;
    } keywords[] = {
        {u"CDATA", DtdAttlist::CData},       {u"IDREFS", DtdAttlist::IdRefs},
        {u"IDREF", DtdAttlist::IdRef},       {u"ID", DtdAttlist::Id},
        {u"ENTITIES", DtdAttlist::Entities}, {u"ENTITY", DtdAttlist::EntityType},
        {u"NMTOKENS", DtdAttlist::NmTokens}, {u"NMTOKEN", DtdAttlist::NmToken},
    };
    for (const auto& row : keywords) {
        if (source->matchAndSkip(static_cast<u32>(row.keyword.size()), row.keyword.data())) {
            attlist->setAttributeType(row.type);
            return;
        }
    }
    if (source->matchAndSkip(u"NOTATION")) {
        attlist->setAttributeType(DtdAttlist::NotationType);
        requireSpace();
        if (!source->matchAndSkip(u"(")) fail(ErrNotationTypeOpen);
        parseEnumeration(attlist, false, ErrNotationTypeClose);
    } else if (source->matchAndSkip(u"(")) {
        attlist->setAttributeType(DtdAttlist::Enumeration);
        source->skipSpace();
        parseEnumeration(attlist, true, ErrEnumerationClose);
    }
}

// Names or Nmtokens separated by "|", then ")".
void XMLParser::parseEnumeration(DtdAttlist* attlist, bool nmtokens, int closeError) {
    for (;;) {
        attlist->addEnumerationValue(nmtokens ? readNmtoken(name) : readName(name));
        source->skipSpace();
        if (!source->matchAndSkip(u"|")) break;
        source->skipSpace();
    }
    if (!source->matchAndSkip(u")")) fail(closeError);
}

void XMLParser::parseDefaultDecl(DtdAttlist* attlist) {
    if (source->matchAndSkip(u"#REQUIRED")) {
        attlist->setDefaultKind(DtdAttlist::Required);
        return;
    }
    if (source->matchAndSkip(u"#IMPLIED")) {
        attlist->setDefaultKind(DtdAttlist::Implied);
        return;
    }
    if (source->matchAndSkip(u"#FIXED")) {
        attlist->setDefaultKind(DtdAttlist::Fixed);
        requireSpace();
    } else {
        attlist->setDefaultKind(DtdAttlist::Value);
    }
    parseAttValue(value);
    attlist->setDefaultValue(value);
}

// ---- Entity and notation declarations

void XMLParser::parseEntityDecl() {
    requireSpace();
    if (source->matchAndSkip(u"%")) {
        requireSpace();
        DtdPEntity* entity = declare<DtdPEntity>(readName(name));
        requireSpace();
        if (source->matchAndSkip(u"SYSTEM")) {
            parseSystemId(entity);
        } else if (source->matchAndSkip(u"PUBLIC")) {
            parsePublicId(entity, false);
        } else {
            parseEntityValue(value);
            entity->setNodeValue(value);
        }
    } else {
        Entity* entity = declare<Entity>(readName(name));
        requireSpace();
        if (source->matchAndSkip(u"SYSTEM")) {
            parseSystemId(entity);
            parseNData(entity);
        } else if (source->matchAndSkip(u"PUBLIC")) {
            parsePublicId(entity, false);
            parseNData(entity);
        } else {
            // The entity is declared already, so a reference to it inside its
            // own value finds it still empty.
            parseEntityValue(value);
            entity->getReplacementText()->append(value);
        }
    }
    source->skipSpace();
    if (!source->matchAndSkip(u">")) fail(ErrEntityDeclEnd);
}

void XMLParser::parseNData(Entity* entity) {
    source->skipSpace();
    if (!source->matchAndSkip(u"NDATA")) return;
    requireSpace();
    entity->setNotationName(readName(name));
}

// A quoted entity value: general references are expanded into it (their
// replacement text is read on by this loop), parameter-entity references are
// checked and dropped.
void XMLParser::parseEntityValue(Utf16String& out) {
    out.clear();
    u16 quote = openQuote();
    if (!quote) fail(ErrEntityValueQuote);
    const u16 stop[] = {u'%', u'&', quote};
    for (;;) {
        int next = source->peek();
        if (next == u'%') {
            source->skip(1);
            parsePEReference();
        } else if (next == u'&') {
            source->skip(1);
            parseReference(out);
        } else if (next == quote) {
            source->skip(1);
            return;
        } else if (next < 0) {
            fail(ErrEntityValueEndOfInput);
        } else {
            source->readUntilAny(stop, 3, out);
        }
    }
}

void XMLParser::parseNotationDecl() {
    requireSpace();
    Notation* notation = declare<Notation>(readName(name));
    requireSpace();
    if (source->matchAndSkip(u"SYSTEM"))
        parseSystemId(notation);
    else if (source->matchAndSkip(u"PUBLIC"))
        parsePublicId(notation, true);
    else
        fail(ErrNotationSyntax);
    source->skipSpace();
    if (!source->matchAndSkip(u">")) fail(ErrNotationDeclEnd);
}

} // namespace ZUM
