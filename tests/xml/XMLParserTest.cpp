#include "xml/XMLParser.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "tests/xml/ParseSupport.h"
#include "xml/Attr.h"
#include "xml/DocumentType.h"
#include "xml/DtdAttlist.h"
#include "xml/DtdECUnit.h"
#include "xml/DtdElement.h"
#include "xml/Element.h"
#include "xml/Entity.h"
#include "xml/Notation.h"
#include "xml/XMLDecl.h"
#include "xml/XMLParseError.h"

using namespace ZUM;
using namespace ParseSupport;

namespace {

std::u16string str(const Utf16String* s) {
    return s ? utf16(*s) : u"(null)";
}

Element* root(Document& document) {
    for (Node* child = document.getFirstChild(); child; child = child->getNextSibling())
        if (child->getNodeType() == Node::ElementNode) return static_cast<Element*>(child);
    return nullptr;
}

std::u16string attribute(Node& node, const char16_t* name) {
    Node* found = node.getAttributes()->getNamedItem(Utf16String(name));
    return found ? str(found->getNodeValue()) : u"(absent)";
}

std::u16string number(int n) {
    std::string digits = std::to_string(n);
    return {digits.begin(), digits.end()};
}

// The children of a node: "E:name" for an element, "kind:value" for others,
// joined by "|".
std::u16string children(Node& node) {
    std::u16string out;
    for (Node* child = node.getFirstChild(); child; child = child->getNextSibling()) {
        if (!out.empty()) out += u"|";
        if (child->getNodeType() == Node::ElementNode)
            out += u"E:" + str(child->getNodeName());
        else
            out += number(child->getNodeType()) + u":" + str(child->getNodeValue());
    }
    return out;
}

Result parsed(std::u16string_view text) {
    Result result = parse(text);
    EXPECT_NE(result.document, nullptr) << result.diagnostics;
    return result;
}

TEST(XMLParserTest, DeclarationKeepsThePseudoAttributesAsWritten) {
    auto none = parsed(u"<a/>");
    EXPECT_EQ(none.document->getXMLDecl()->getAttributes()->count(), 0);
    auto two = parsed(u"<?xml version='1.0' standalone='yes'?><a/>");
    Node* decl = two.document->getXMLDecl();
    EXPECT_EQ(attribute(*decl, u"version"), u"1.0");
    EXPECT_EQ(attribute(*decl, u"standalone"), u"yes");
    EXPECT_EQ(attribute(*decl, u"encoding"), u"(absent)");
    auto all = parsed(u"<?xml version=\"1.1\" encoding=\"Shift_JIS\" standalone=\"no\" ?><a/>");
    EXPECT_EQ(attribute(*all.document->getXMLDecl(), u"encoding"), u"Shift_JIS");
    EXPECT_EQ(attribute(*all.document->getXMLDecl(), u"standalone"), u"no");
}

TEST(XMLParserTest, PrologWhitespaceStaysAndTrailingTextIsIgnored) {
    auto result = parsed(u"<?xml version=\"1.0\"?>\n<!--c-->\n<?pi  data ?>\n<!DOCTYPE a>\n"
                         u"<a> </a>\n<b/>stray");
    Node* first = result.document->getFirstChild();
    EXPECT_EQ(first->getNodeType(), Node::XMLDeclNode);
    std::u16string kinds;
    for (Node* n = first->getNextSibling(); n; n = n->getNextSibling())
        kinds += std::u16string(1, char16_t(u'A' + n->getNodeType()));
    // text, comment, text, PI, text, doctype, text, element, text
    EXPECT_EQ(kinds, u"DIDHDKDBD");
    Node* pi = first->getNextSibling()->getNextSibling()->getNextSibling()->getNextSibling();
    EXPECT_EQ(str(pi->getNodeName()), u"pi");
    EXPECT_EQ(str(pi->getNodeValue()), u"data ");
    EXPECT_EQ(children(*root(*result.document)), u"3: ");
}

TEST(XMLParserTest, TextAndReferencesFormOneNodeUntilMarkup) {
    auto result = parsed(u"<a>x&amp;y&#65;&#x41;&#x20BB7;&#1114111;<![CDATA[<z>]]>w<b/>v<!--c-->"
                         u"&lt;&gt;&apos;&quot;</a>");
    EXPECT_EQ(children(*root(*result.document)),
              u"3:x&yAA\U00020BB7\U0010FFFF|4:<z>|3:w|E:b|3:v|8:c|3:<>'\"");
    auto padded = parsed(u"<a>&#x000000000000000000041;</a>");
    EXPECT_EQ(children(*root(*padded.document)), u"3:A");
    EXPECT_EQ(parse(u"<a>&#99999999999999999999;</a>").error, ErrCharRefRange);
    auto zero = parsed(u"<a>&#0;</a>");
    EXPECT_EQ(children(*root(*zero.document)), std::u16string(u"3:") + char16_t(0));
}

TEST(XMLParserTest, EndTagNamesAreNotCompared) {
    auto result = parsed(u"<a><b>x</c></d>");
    EXPECT_EQ(shape(*root(*result.document)), "<a{}><b{}>\"x\"</></>");
}

TEST(XMLParserTest, AttributeValuesAreTakenAsWritten) {
    auto result = parsed(u"<a x='1 \"2\"'y=\"a<b\tc\r\n\" z='&amp;&#60;'/>");
    Element* a = root(*result.document);
    EXPECT_EQ(attribute(*a, u"x"), u"1 \"2\"");
    EXPECT_EQ(attribute(*a, u"y"), u"a<b\tc\r\n");
    EXPECT_EQ(attribute(*a, u"z"), u"&<");
    EXPECT_TRUE(
        static_cast<Attr*>(a->getAttributes()->getNamedItem(Utf16String(u"x")))->getSpecified());
}

TEST(XMLParserTest, UndeclaredReferencesAreKeptAsMarkedNames) {
    auto result = parsed(u"<p title=\"x&eacute;y\">a&nbsp;b</p>");
    Element* p = root(*result.document);
    EXPECT_EQ(attribute(*p, u"title"), u"x\u0001eacute\u0002y");
    EXPECT_EQ(children(*p), u"3:a\u0001nbsp\u0002b");
}

TEST(XMLParserTest, NamespacesResolveByScope) {
    auto result = parsed(u"<a xmlns=\"urn:d\" xmlns:p=\"urn:p\" k=\"1\" p:k=\"2\" xml:lang=\"en\">"
                         u"<p:b/><c xmlns=\"urn:e\" m=\"3\"/><d/></a>");
    Element* a = root(*result.document);
    EXPECT_EQ(str(a->getNamespaceURI()), u"urn:d");
    EXPECT_EQ(str(a->getPrefix()), u"");
    auto attr = [&](Node* node, const char16_t* name) {
        return node->getAttributes()->getNamedItem(Utf16String(name));
    };
    // Unprefixed attributes take the default namespace in scope.
    EXPECT_EQ(str(attr(a, u"k")->getNamespaceURI()), u"urn:d");
    EXPECT_EQ(str(attr(a, u"p:k")->getNamespaceURI()), u"urn:p");
    EXPECT_EQ(str(attr(a, u"p:k")->getLocalName()), u"k");
    EXPECT_EQ(str(attr(a, u"xml:lang")->getNamespaceURI()),
              u"http://www.w3.org/XML/1998/namespace");
    EXPECT_EQ(str(attr(a, u"xmlns:p")->getNamespaceURI()), u"http://www.w3.org/2000/xmlns/");
    EXPECT_EQ(str(attr(a, u"xmlns")->getNamespaceURI()), u"urn:d");
    Node* b = a->getFirstChild();
    EXPECT_EQ(str(b->getNamespaceURI()), u"urn:p");
    EXPECT_EQ(str(b->getLocalName()), u"b");
    Node* c = b->getNextSibling();
    EXPECT_EQ(str(c->getNamespaceURI()), u"urn:e");
    EXPECT_EQ(str(attr(c, u"m")->getNamespaceURI()), u"urn:e");
    EXPECT_EQ(str(c->getNextSibling()->getNamespaceURI()), u"urn:d"); // the binding was popped
    auto plain = parsed(u"<a k=\"1\"><q:b xmlns:q=\"urn:q\"/></a>");
    EXPECT_EQ(root(*plain.document)->getNamespaceURI(), nullptr);
    EXPECT_EQ(attr(root(*plain.document), u"k")->getNamespaceURI(), nullptr);
    EXPECT_EQ(str(root(*plain.document)->getFirstChild()->getNamespaceURI()), u"urn:q");
    EXPECT_EQ(parse(u"<a><b xmlns:q=\"urn:q\"/><q:c/></a>").error, ErrEmptyElementPrefix);
}

TEST(XMLParserTest, DeclaredEntitiesExpandInPlaceWithTheirMarkup) {
    auto result = parsed(u"<!DOCTYPE a [<!ENTITY f \"tail\"><!ENTITY e \"one\">"
                         u"<!ENTITY e \"<b x='&#38;#60;'>t</b>&f;\"><!ENTITY lt \"LT\">]>"
                         u"<a v=\"&f;&lt;\">x&e;y&lt;</a>");
    Element* a = root(*result.document);
    EXPECT_EQ(attribute(*a, u"v"), u"tailLT"); // a declared entity wins over a predefined one
    // The Text node made for the reference stays empty: the expansion opens with markup.
    EXPECT_EQ(children(*a), u"3:x|E:b|3:tailyLT");
    EXPECT_EQ(attribute(*a->getFirstChild()->getNextSibling(), u"x"), u"<");
    auto inValue = parsed(u"<!DOCTYPE a [<!ENTITY f \"&#38;g;\"><!ENTITY e \"[&f;]\">"
                          u"<!ENTITY g \"!\">]><a>&e;</a>");
    auto* e = static_cast<Entity*>(
        inValue.document->getDoctype()->getEntities()->getNamedItem(Utf16String(u"e")));
    // g was not declared yet when e was read: its reference stays marked.
    EXPECT_EQ(str(e->getReplacementText()), u"[\u0001g\u0002]");
    EXPECT_EQ(children(*root(*inValue.document)), u"3:[\u0001g\u0002]");
}

TEST(XMLParserTest, DocumentTypeRecordsTheInternalSubset) {
    auto result = parsed(
        u"<!DOCTYPE a PUBLIC \"-//P//EN\" 'a.dtd' [\n<!ELEMENT a (b,(c|d)+,e?)*>"
        u"<!ELEMENT b (#PCDATA|c)*><!ELEMENT c (#PCDATA)><!ELEMENT d EMPTY>"
        u"<!ATTLIST a i ID #REQUIRED t (x|y) 'x' n NOTATION (m) #IMPLIED f CDATA #FIXED \"v\">"
        u"<!ENTITY % p \"pv\">%p;<!ENTITY u SYSTEM \"u.bin\" NDATA m><!NOTATION m PUBLIC \"mp\">"
        u"<!-- c --><?pi x?>]><a/>");
    DocumentType* type = result.document->getDoctype();
    EXPECT_EQ(type->getParentNode(), result.document.get());
    EXPECT_EQ(str(type->getNodeName()), u"a");
    EXPECT_EQ(str(type->getPublicId()), u"-//P//EN");
    EXPECT_EQ(str(type->getSystemId()), u"a.dtd");
    EXPECT_EQ(type->getElementDecls()->count(), 4);
    EXPECT_EQ(type->getDeclarations()->count(), 14); // 4 + 4 attributes + 3 + comment, PI, "\n"
    EXPECT_EQ(children(*type), u"3:\n|8: c |7:x");
    auto* a = static_cast<DtdElement*>(type->getElementDecls()->getNamedItem(Utf16String(u"a")));
    DtdECUnit* model = a->getContentSpec();
    EXPECT_EQ(model->getFlags(), u32(DtdECUnit::Sequence | DtdECUnit::ZeroOrMore));
    EXPECT_EQ(model->getChildren()->count(), 3);
    EXPECT_EQ(model->getChildren()->get(1)->getFlags(),
              u32(DtdECUnit::Choice | DtdECUnit::OneOrMore));
    EXPECT_EQ(model->getChildren()->get(2)->getFlags(), u32(DtdECUnit::Name | DtdECUnit::Optional));
    auto flags = [&](const char16_t* name) {
        auto* element =
            static_cast<DtdElement*>(type->getElementDecls()->getNamedItem(Utf16String(name)));
        return element->getContentSpec()->getFlags();
    };
    EXPECT_EQ(flags(u"b"), u32(DtdECUnit::Mixed));
    EXPECT_EQ(flags(u"c"), u32(DtdECUnit::PCDataGroup));
    EXPECT_EQ(flags(u"d"), u32(DtdECUnit::Empty));
    EXPECT_EQ(a->getChildNodes()->count(), 4);
    auto* i = static_cast<DtdAttlist*>(a->getFirstChild());
    auto* f = static_cast<DtdAttlist*>(a->getLastChild());
    EXPECT_TRUE(i->isFirst() && !i->isLast() && !f->isFirst() && f->isLast());
    EXPECT_EQ(i->getAttributeType(), DtdAttlist::Id);
    EXPECT_EQ(i->getDefaultKind(), DtdAttlist::Required);
    EXPECT_EQ(f->getDefaultKind(), DtdAttlist::Fixed);
    EXPECT_EQ(str(f->getDefaultValue()), u"v");
    auto* t = static_cast<DtdAttlist*>(i->getNextSibling());
    EXPECT_EQ(t->getAttributeType(), DtdAttlist::Enumeration);
    EXPECT_EQ(t->getEnumeration()->count(), 2);
    EXPECT_EQ(static_cast<DtdAttlist*>(t->getNextSibling())->getAttributeType(),
              DtdAttlist::NotationType);
    auto* u = static_cast<Entity*>(type->getEntities()->getNamedItem(Utf16String(u"u")));
    EXPECT_EQ(str(u->getNotationName()), u"m");
    EXPECT_EQ(str(u->getSystemId()), u"u.bin");
    EXPECT_EQ(str(type->getParameterEntities()->getNamedItem(Utf16String(u"p"))->getNodeValue()),
              u"pv");
    EXPECT_EQ(str(static_cast<Notation*>(type->getNotations()->getNamedItem(Utf16String(u"m")))
                      ->getPublicId()),
              u"mp");
    // Defaults are not added to elements.
    EXPECT_EQ(root(*result.document)->getAttributes()->count(), 0);
}

TEST(XMLParserTest, UnboundedInputEndsInItsOwnErrors) {
    EXPECT_EQ(parse(u"<a b='x&amp;").error, ErrAttValueEndOfInput);
    EXPECT_EQ(parse(u"<!DOCTYPE a [<!ENTITY e 'a%").error, ErrNameStart);
    EXPECT_EQ(parse(u"<!DOCTYPE a [<!ENTITY e 'a&#65;").error, ErrEntityValueEndOfInput);
    EXPECT_EQ(parse(u"<!DOCTYPE a [<!ENTITY q 'x'>]><a b=\"&q;").error, ErrAttValueEndOfInput);
    // A quote from an entity closes the value it is read into.
    EXPECT_EQ(parse(u"<!DOCTYPE a [<!ENTITY q '&#34;'>]><a b=\"&q;").error, ErrNameStart);
}

// A declaration whose name cannot be read leaves nothing behind (the
// sanitizer build's leak check watches this).
TEST(XMLParserTest, DeclarationsWithoutANameFailCleanly) {
    for (const char16_t* declaration : {u"<!ENTITY % *p 'x'>", u"<!ENTITY *e 'x'>",
                                        u"<!ELEMENT *a ANY>", u"<!NOTATION *n SYSTEM 'n'>"}) {
        SCOPED_TRACE(utf8(declaration));
        EXPECT_EQ(parse(std::u16string(u"<!DOCTYPE a [") + declaration + u"]><a/>").error,
                  ErrNameStart);
    }
}

TEST(XMLParserTest, RecursiveReferencesAreRefused) {
    // Direct, through another entity, and in tail position where each text is
    // used up before the next is pushed.
    EXPECT_EQ(parse(u"<!DOCTYPE a [<!ENTITY e \"x&#38;e;y\">]><a>&e;</a>").error,
              ErrRecursiveEntity);
    EXPECT_EQ(
        parse(u"<!DOCTYPE a [<!ENTITY e \"&#38;f;\"><!ENTITY f \"&#38;e;\">]><a>&e;</a>").error,
        ErrRecursiveEntity);
    EXPECT_EQ(
        parse(u"<!DOCTYPE a [<!ENTITY e \"&#38;f;\"><!ENTITY f \"&#38;e;\">]><a b='&e;'/>").error,
        ErrRecursiveEntity);
    // The same entity twice side by side is no recursion.
    auto twice =
        parsed(u"<!DOCTYPE a [<!ENTITY e \"x\"><!ENTITY f \"&#38;e;&#38;e;\">]><a>&f;</a>");
    EXPECT_EQ(children(*root(*twice.document)), u"3:xx");
}

TEST(XMLParserTest, ExpansionIsBoundedByTheDocumentsLength) {
    // Ten levels of ten references: 10^10 units if expanded.
    std::u16string doc = u"<!DOCTYPE a [<!ENTITY e0 \"0123456789\">";
    for (int i = 1; i < 10; ++i) {
        doc += u"<!ENTITY e" + std::u16string(1, char16_t(u'0' + i)) + u" \"";
        for (int j = 0; j < 10; ++j)
            doc += u"&e" + std::u16string(1, char16_t(u'0' + i - 1)) + u";";
        doc += u"\">";
    }
    for (const char16_t* body :
         {u"]><a>&e9;</a>", u"]><a b='&e9;'/>", u"<!ENTITY z '&e9;'>]><a/>"}) {
        auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(parse(doc + body).error, ErrExpansionLimit);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    }
    // Within the budget, expansion is unrestricted.
    auto fine = parsed(u"<!DOCTYPE a [<!ENTITY e \"0123456789\">]><a>" + std::u16string(200, u'.') +
                       u"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;</a>");
    EXPECT_EQ(root(*fine.document)->getFirstChild()->getNodeValue()->length(), 300u);
}

TEST(XMLParserTest, NestingIsBounded) {
    auto nested = [](int depth) {
        std::u16string doc;
        for (int i = 0; i < depth; ++i) doc += u"<a>";
        for (int i = 0; i < depth; ++i) doc += u"</a>";
        return doc;
    };
    auto deepest = parsed(nested(XMLParser::MaxDepth));
    EXPECT_NE(deepest.document, nullptr);
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(parse(nested(100000)).error, ErrDepthLimit);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    std::u16string groups = u"<!DOCTYPE a [<!ELEMENT a " + std::u16string(100000, u'(') + u"b";
    EXPECT_EQ(parse(groups).error, ErrDepthLimit);
    // A chain of entities each referring to the next: MaxDepth expansions nest.
    std::u16string chain = u"<!DOCTYPE a [<!ENTITY e0 \"end\">";
    for (int i = 1; i <= XMLParser::MaxDepth + 1; ++i)
        chain += u"<!ENTITY e" + number(i) + u" \"&#38;e" + number(i - 1) + u";\">";
    EXPECT_EQ(parse(chain + u"]><a>&e" + number(XMLParser::MaxDepth - 1) + u";</a>").error, 0);
    EXPECT_EQ(parse(chain + u"]><a>&e" + number(XMLParser::MaxDepth) + u";</a>").error,
              ErrDepthLimit);
}

} // namespace
