#include "xml/XMLOutputter.h"

#include <gtest/gtest.h>

#include <memory>

#include "DomText.h"
#include "tests/IOExpect.h"
#include "tests/xml/ParseSupport.h"
#include "xml/Attr.h"
#include "xml/CDATASection.h"
#include "xml/Comment.h"
#include "xml/Document.h"
#include "xml/DocumentType.h"
#include "xml/DtdECUnit.h"
#include "xml/DtdElement.h"
#include "xml/Element.h"
#include "xml/ProcessingInstruction.h"
#include "xml/Text.h"
#include "xml/XMLDecl.h"

using namespace ZUM;
using domtext::serialise;
using domtext::utf16;

namespace {

constexpr u32 Repair = XMLOutputter::RestoreReferences;

Element* child(Node& parent, const char* name) {
    Element* element = parent.getOwnerDocument()->createElement(utf16(name));
    parent.appendChild(element);
    return element;
}

void text(Node& parent, const std::string& data) {
    Utf16String value = utf16(data);
    parent.appendChild(parent.getOwnerDocument()->createTextNode(&value));
}

} // namespace

TEST(XMLOutputter, ElementsWithAndWithoutContent) {
    auto parsed =
        ParseSupport::parse(u"<ncc><meta name='' content='x' Scheme='x'/><br/><p>t</p></ncc>");
    Node* root = parsed.document->getLastChild();
    root->getFirstChild()->getNextSibling()->setExplicitEndTag(true);
    EXPECT_EQ(serialise(*root, Repair),
              "<ncc><meta Scheme=\"x\" content=\"x\" name=\"\"/><br/><p>t</p></ncc>");
    EXPECT_EQ(serialise(*root, Repair | XMLOutputter::SpaceBeforeEmptyEnd),
              "<ncc><meta Scheme=\"x\" content=\"x\" name=\"\" /><br /><p>t</p></ncc>");
    EXPECT_EQ(serialise(*root, XMLOutputter::ExplicitEndTags),
              "<ncc><meta Scheme=\"x\" content=\"x\" name=\"\"/><br></br><p>t</p></ncc>");
}

TEST(XMLOutputter, NameLabelsShowTheNameFields) {
    Document doc;
    std::unique_ptr<Element> plain(doc.createElement(utf16("a")));
    std::unique_ptr<Element> qualified(doc.createElementNS(utf16("urn:x"), utf16("x:b")));
    qualified->appendChild(doc.createElement(utf16("c")));
    EXPECT_EQ(serialise(*plain, XMLOutputter::NameLabels),
              "<a [NODE_NAME:a PREFIX:null LOCAL_NAME:null NAMESPACE_URI:null]/>");
    EXPECT_EQ(serialise(*qualified, XMLOutputter::NameLabels),
              "<x:b [NODE_NAME:x:b PREFIX:x LOCAL_NAME:b NAMESPACE_URI:urn:x]>"
              "<c [NODE_NAME:c PREFIX:null LOCAL_NAME:null NAMESPACE_URI:null]/></x:b>");
}

TEST(XMLOutputter, EscapesMarkupAndRestoresKeptReferences) {
    auto parsed = ParseSupport::parse(u"<p title=\"a&lt;b>c&amp;d'e&quot;f&nbsp;g&#0;\">"
                                      u"a&lt;b>c&amp;d'e\"f&nbsp;g&#0;</p>");
    Node* p = parsed.document->getLastChild();
    const std::string escaped = "a&lt;b&gt;c&amp;d&apos;e&quot;f";
    EXPECT_EQ(serialise(*p, Repair),
              "<p title=\"" + escaped + "&nbsp;g\\u0000\">" + escaped + "&nbsp;g\\u0000</p>");
    const std::string kept = escaped + "\\u0001nbsp\\u0002g\\u0000";
    EXPECT_EQ(serialise(*p, 0), "<p title=\"" + kept + "\">" + kept + "</p>");
}

TEST(XMLOutputter, CommentsSectionsAndInstructionsAreWrittenRaw) {
    Document doc;
    Element* root = child(doc, "r");
    Utf16String data = utf16("<&>\x01");
    root->appendChild(doc.createComment(&data));
    root->appendChild(doc.createCDATASection(&data));
    root->appendChild(doc.createProcessingInstruction(utf16("pi"), data));
    root->appendChild(doc.createProcessingInstruction(utf16("empty"), Utf16String()));
    EXPECT_EQ(serialise(*root, Repair),
              "<r><!--<&>\\u0001--><![CDATA[<&>\\u0001]]><?pi <&>\\u0001?><?empty?></r>");
}

TEST(XMLOutputter, DeclarationWritesItsThreePseudoAttributesInOrder) {
    // Without a version (a document read without a declaration) nothing is
    // written: "<?xml ?>" would not be well-formed.
    Document empty;
    EXPECT_EQ(serialise(empty, Repair), "");
    auto parsed = ParseSupport::parse(
        u"<?xml version='1.0' encoding='UTF-8' standalone='yes'?><!-- n --><r/>");
    Document& doc = *parsed.document;
    Attr* other = doc.createAttribute(utf16("other"));
    other->setNodeValue(utf16("no"));
    doc.getXMLDecl()->getAttributes()->setNamedItem(other);
    EXPECT_EQ(serialise(doc, Repair),
              "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?><!-- n --><r/>");
    EXPECT_EQ(serialise(doc, Repair | XMLOutputter::NoSpaceBeforeDeclEnd),
              "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><!-- n --><r/>");
}

// Document types as the parser records them. Every declaration form is also
// in the round-trip corpus; these are the forms it does not hold.
TEST(XMLOutputter, DocumentTypesAsParsed) {
    const struct {
        const char16_t* input;
        const char* written;
    } cases[] = {
        {u"<!DOCTYPE book>", "<!DOCTYPE book>"},
        {u"<!DOCTYPE book PUBLIC '-//B//EN' 'book.dtd' [\n]>",
         "<!DOCTYPE book PUBLIC \"-//B//EN\" \"book.dtd\" [\n]>"},
        // A replaced declaration stays listed; values are escaped, kept
        // references restored.
        {u"<!DOCTYPE book [<!ENTITY e '1'><!ENTITY e '&#38;#38;&#60;&x;'>]>",
         "<!DOCTYPE book [<!ENTITY e \"1\" ><!ENTITY e \"&amp;#38;&lt;&x;\" >]>"},
        {u"<!DOCTYPE book [<!ELEMENT t (#PCDATA)><!ELEMENT t (a?,(b|(c))+)*>"
         u"<!ATTLIST t c (x) '&#60;&#34;x&#34;&#62;'>]>",
         "<!DOCTYPE book [<!ELEMENT t (#PCDATA) ><!ELEMENT t (a?,(b|(c))+)* >"
         "<!ATTLIST t c (x) \"&lt;&quot;x&quot;&gt;\" >]>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.written);
        auto result = ParseSupport::parse(std::u16string(c.input) + u"<book/>");
        ASSERT_NE(result.document, nullptr) << result.diagnostics;
        EXPECT_EQ(serialise(*result.document->getDoctype(), Repair), c.written);
    }
}

TEST(XMLOutputter, ContentModelsTheParserNeverMakes) {
    auto parsed =
        ParseSupport::parse(u"<!DOCTYPE book [<!ELEMENT none ANY><!ELEMENT o (a,a)>]><book/>");
    DocumentType* type = parsed.document->getDoctype();
    auto declared = [&](const char16_t* name) {
        return static_cast<DtdElement*>(type->getElementDecls()->getNamedItem(Utf16String(name)));
    };
    declared(u"none")->getContentSpec()->setFlags(0);
    // A name with every occurrence bit writes none; an unknown kind writes nothing.
    DtdECUnit* model = declared(u"o")->getContentSpec();
    model->getChildren()->get(0)->setFlags(DtdECUnit::Name | DtdECUnit::OccurrenceMask);
    model->getChildren()->get(1)->setFlags(3);
    // Entering the same node again changes nothing.
    type->addDeclaration(declared(u"o"));
    EXPECT_EQ(type->getDeclarations()->count(), 2);
    EXPECT_EQ(serialise(*type), "<!DOCTYPE book [<!ELEMENT none  ><!ELEMENT o (a,) >]>");
}

TEST(XMLOutputter, FlowFailuresPassThrough) {
    Document doc;
    child(doc, "r");
    StringOFlow<u16> closed(nullptr);
    XMLOutputter out(&closed, Repair);
    EXPECT_IO_ERROR(doc.output(out), IOException::NotOpen, "base/StringOFlow");
}

// Building, copying, writing and deleting a chain far deeper than any stack
// would hold by recursion.
TEST(XMLOutputter, DeepTreesNeedNoRecursion) {
    constexpr int depth = 200000;
    auto doc = std::make_unique<Document>();
    Element* node = child(*doc, "d");
    for (int i = 1; i < depth; ++i) node = child(*node, "d");
    text(*node, "x");
    child(*doc->getLastChild(), "e");

    std::string expected;
    for (int i = 0; i < depth; ++i) expected += "<d>";
    expected += "x";
    for (int i = 0; i < depth; ++i) {
        expected += "</d>";
        if (i == depth - 2) expected += "<e/>";
    }
    std::unique_ptr<Node> copy(doc->getLastChild()->cloneNode(true));
    const u32 room = u32(expected.size() + 16);
    EXPECT_TRUE(serialise(*copy, Repair, room) == expected);
    EXPECT_TRUE(serialise(*doc, Repair, room) == expected);
    copy.reset();
    doc.reset();
}
