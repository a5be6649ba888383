#include "xml/XMLParser.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "tests/xml/ParseSupport.h"
#include "xml/DocumentType.h"
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

// The children of the document element of a text.
std::u16string content(std::u16string_view text) {
    auto result = parsed(text);
    return result.document ? children(*root(*result.document)) : u"(refused)";
}

TEST(XMLParserTest, DeclarationKeepsThePseudoAttributesAsWritten) {
    auto pseudo = [](std::u16string_view text) {
        auto result = parsed(text);
        Node* decl = result.document->getXMLDecl();
        return attribute(*decl, u"version") + u"|" + attribute(*decl, u"encoding") + u"|" +
               attribute(*decl, u"standalone");
    };
    EXPECT_EQ(pseudo(u"<a/>"), u"(absent)|(absent)|(absent)");
    EXPECT_EQ(pseudo(u"<?xml version='1.0' standalone='yes'?><a/>"), u"1.0|(absent)|yes");
    EXPECT_EQ(pseudo(u"<?xml version=\"1.1\" encoding=\"Shift_JIS\" standalone=\"no\" ?><a/>"),
              u"1.1|Shift_JIS|no");
}

TEST(XMLParserTest, PrologWhitespaceStaysAndTrailingTextIsIgnored) {
    auto result = parsed(u"<?xml version=\"1.0\"?>\n<!--c-->\n<?pi  data ?>\n<!DOCTYPE a>\n"
                         u"<a> </a>\n<b/>stray");
    EXPECT_EQ(children(*result.document), u"1000:|3:\n|8:c|3:\n|7:data |3:\n|10:|3:\n|E:a|3:\n");
    EXPECT_EQ(children(*root(*result.document)), u"3: ");
}

TEST(XMLParserTest, TextAndReferencesFormOneNodeUntilMarkup) {
    EXPECT_EQ(content(u"<a>x&amp;y&#65;&#x41;&#x20BB7;&#1114111;<![CDATA[<z>]]>w<b/>v<!--c-->"
                      u"&lt;&gt;&apos;&quot;</a>"),
              u"3:x&yAA\U00020BB7\U0010FFFF|4:<z>|3:w|E:b|3:v|8:c|3:<>'\"");
    EXPECT_EQ(content(u"<a>&#x000000000000000000041;</a>"), u"3:A");
    EXPECT_EQ(content(u"<a>&#0;</a>"), std::u16string(u"3:") + char16_t(0));
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
    // The namespace of a node, or of its attribute of the given name.
    auto uri = [](Node* node, const char16_t* attribute = nullptr) {
        if (attribute) node = node->getAttributes()->getNamedItem(Utf16String(attribute));
        return str(node->getNamespaceURI());
    };
    Element* a = root(*result.document);
    EXPECT_EQ(str(a->getPrefix()), u"");
    // Unprefixed attributes take the default namespace in scope.
    EXPECT_EQ(uri(a) + uri(a, u"k") + uri(a, u"p:k") + uri(a, u"xmlns"), u"urn:durn:durn:purn:d");
    EXPECT_EQ(str(a->getAttributes()->getNamedItem(Utf16String(u"p:k"))->getLocalName()), u"k");
    EXPECT_EQ(uri(a, u"xml:lang"), u"http://www.w3.org/XML/1998/namespace");
    EXPECT_EQ(uri(a, u"xmlns:p"), u"http://www.w3.org/2000/xmlns/");
    Node* c = a->getFirstChild()->getNextSibling();
    EXPECT_EQ(uri(c) + uri(c, u"m"), u"urn:eurn:e");
    EXPECT_EQ(uri(c->getNextSibling()), u"urn:d"); // the binding was popped
    auto plain = parsed(u"<a k=\"1\"><q:b xmlns:q=\"urn:q\"/></a>");
    Element* p = root(*plain.document);
    EXPECT_EQ(uri(p) + uri(p, u"k") + uri(p->getFirstChild()), u"(null)(null)urn:q");
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

// The round trips check each declaration's form; here, what is recorded where.
TEST(XMLParserTest, DocumentTypeRecordsTheInternalSubset) {
    auto result = parsed(
        u"<!DOCTYPE a PUBLIC \"-//P//EN\" 'a.dtd' [\n<!ELEMENT a (b,(c|d)+,e?)*>"
        u"<!ELEMENT b (#PCDATA|c)*><!ELEMENT c (#PCDATA)><!ELEMENT d EMPTY>"
        u"<!ATTLIST a i ID #REQUIRED t (x|y) 'x' n NOTATION (m) #IMPLIED f CDATA #FIXED \"v\">"
        u"<!ENTITY % p \"pv\">%p;<!ENTITY u SYSTEM \"u.bin\" NDATA m><!NOTATION m PUBLIC \"mp\">"
        u"<!-- c --><?pi x?>]><a/>");
    DocumentType* type = result.document->getDoctype();
    EXPECT_EQ(type->getParentNode(), result.document.get());
    EXPECT_EQ(str(type->getPublicId()) + u"|" + str(type->getSystemId()), u"-//P//EN|a.dtd");
    EXPECT_EQ(type->getElementDecls()->count(), 4);
    EXPECT_EQ(type->getDeclarations()->count(), 14); // 4 + 4 attributes + 3 + comment, PI, "\n"
    EXPECT_EQ(children(*type), u"3:\n|8: c |7:x");
    auto named = [](NamedNodeMap* map, const char16_t* name) {
        return map->getNamedItem(Utf16String(name));
    };
    EXPECT_EQ(named(type->getElementDecls(), u"a")->getChildNodes()->count(), 4);
    auto* u = static_cast<Entity*>(named(type->getEntities(), u"u"));
    EXPECT_EQ(str(u->getNotationName()) + u"|" + str(u->getSystemId()), u"m|u.bin");
    EXPECT_EQ(str(named(type->getParameterEntities(), u"p")->getNodeValue()), u"pv");
    EXPECT_EQ(str(static_cast<Notation*>(named(type->getNotations(), u"m"))->getPublicId()), u"mp");
    EXPECT_EQ(root(*result.document)->getAttributes()->count(), 0); // defaults are not added
}

TEST(XMLParserTest, RefusedDocumentsEndInTheirOwnErrors) {
    const struct {
        const char16_t* text;
        int error;
    } cases[] = {
        // Input that ends inside a value.
        {u"<a b='x&amp;", ErrAttValueEndOfInput},
        {u"<!DOCTYPE a [<!ENTITY e 'a%", ErrNameStart},
        {u"<!DOCTYPE a [<!ENTITY e 'a&#65;", ErrEntityValueEndOfInput},
        {u"<!DOCTYPE a [<!ENTITY q 'x'>]><a b=\"&q;", ErrAttValueEndOfInput},
        // A quote from an entity closes the value it is read into.
        {u"<!DOCTYPE a [<!ENTITY q '&#34;'>]><a b=\"&q;", ErrNameStart},
        // A declaration whose name cannot be read leaves nothing behind (the
        // sanitizer build's leak check watches this).
        {u"<!DOCTYPE a [<!ENTITY % *p 'x'>]><a/>", ErrNameStart},
        {u"<!DOCTYPE a [<!ENTITY *e 'x'>]><a/>", ErrNameStart},
        {u"<!DOCTYPE a [<!ELEMENT *a ANY>]><a/>", ErrNameStart},
        {u"<!DOCTYPE a [<!NOTATION *n SYSTEM 'n'>]><a/>", ErrNameStart},
        // Recursion: direct, through another entity, and in tail position
        // where each text is used up before the next is pushed.
        {u"<!DOCTYPE a [<!ENTITY e \"x&#38;e;y\">]><a>&e;</a>", ErrRecursiveEntity},
        {u"<!DOCTYPE a [<!ENTITY e \"&#38;f;\"><!ENTITY f \"&#38;e;\">]><a>&e;</a>",
         ErrRecursiveEntity},
        {u"<!DOCTYPE a [<!ENTITY e \"&#38;f;\"><!ENTITY f \"&#38;e;\">]><a b='&e;'/>",
         ErrRecursiveEntity},
        {u"<a>&#99999999999999999999;</a>", ErrCharRefRange},
        {u"<a><b xmlns:q=\"urn:q\"/><q:c/></a>", ErrEmptyElementPrefix},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(utf8(c.text));
        EXPECT_EQ(parse(c.text).error, c.error);
    }
    // The same entity twice side by side is no recursion.
    EXPECT_EQ(content(u"<!DOCTYPE a [<!ENTITY e \"x\"><!ENTITY f \"&#38;e;&#38;e;\">]><a>&f;</a>"),
              u"3:xx");
}

TEST(XMLParserTest, ExpansionIsBoundedByTheDocumentsLength) {
    for (const char16_t* body :
         {u"]><a>&e9;</a>", u"]><a b='&e9;'/>", u"<!ENTITY z '&e9;'>]><a/>"}) {
        auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(parse(laughs() + body).error, ErrExpansionLimit);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    }
    // Within the budget, expansion is unrestricted.
    auto fine = parsed(u"<!DOCTYPE a [<!ENTITY e \"0123456789\">]><a>" + std::u16string(200, u'.') +
                       u"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;</a>");
    EXPECT_EQ(root(*fine.document)->getFirstChild()->getNodeValue()->length(), 300u);
}

TEST(XMLParserTest, NestingIsBounded) {
    auto deepest =
        parsed(repeat(u"<a>", XMLParser::MaxDepth) + repeat(u"</a>", XMLParser::MaxDepth));
    EXPECT_NE(deepest.document, nullptr);
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(parse(repeat(u"<a>", 100000) + repeat(u"</a>", 100000)).error, ErrDepthLimit);
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
