#include "xml/XMLOutputter.h"

#include <gtest/gtest.h>

#include <memory>

#include "DomText.h"
#include "base/Exception.h"
#include "xml/Attr.h"
#include "xml/CDATASection.h"
#include "xml/Comment.h"
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

void pseudoAttribute(Document& doc, const char* name, const char* value) {
    Attr* attribute = doc.createAttribute(utf16(name));
    attribute->setNodeValue(utf16(value));
    doc.getXMLDecl()->getAttributes()->setNamedItem(attribute);
}

} // namespace

TEST(XMLOutputter, ElementsWithAndWithoutContent) {
    Document doc;
    Element* root = child(doc, "ncc");
    Element* meta = child(*root, "meta");
    setAttribute(*meta, utf16("name"), nullptr);
    Utf16String value = utf16("x");
    setAttribute(*meta, utf16("content"), &value);
    setAttribute(*meta, utf16("Scheme"), &value);
    Element* marked = child(*root, "br");
    marked->setExplicitEndTag(true);
    text(*child(*root, "p"), "t");

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
    Document doc;
    std::unique_ptr<Element> p(doc.createElement(utf16("p")));
    std::string raw = "a<b>c&d'e\"f\x01nbsp\x02g";
    raw += '\0';
    Utf16String value = utf16(raw);
    setAttribute(*p, utf16("title"), &value);
    text(*p, raw);
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
    Document doc;
    // Without a version (a document read without a declaration) nothing is
    // written: "<?xml ?>" would not be well-formed.
    EXPECT_EQ(serialise(doc, Repair), "");
    pseudoAttribute(doc, "version", "1.0");
    EXPECT_EQ(serialise(doc, XMLOutputter::NoSpaceBeforeDeclEnd), "<?xml version=\"1.0\"?>");
    pseudoAttribute(doc, "standalone", "yes");
    pseudoAttribute(doc, "other", "no");
    pseudoAttribute(doc, "encoding", "UTF-8");
    Element* root = child(doc, "r");
    Utf16String note = utf16(" n ");
    doc.insertBefore(doc.createComment(&note), root);
    EXPECT_EQ(serialise(doc, Repair),
              "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?><!-- n --><r/>");
    EXPECT_EQ(serialise(doc, Repair | XMLOutputter::NoSpaceBeforeDeclEnd),
              "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><!-- n --><r/>");
}

namespace {

// A document type with an internal subset holding every declaration form,
// whitespace text between them, a comment and a processing instruction.
class Doctype : public ::testing::Test {
protected:
    void SetUp() override {
        type = doc.getDoctype();
        doc.initName(*type, utf16("book"));
        doc.appendChild(type);
    }

    void space(const char* whitespace) {
        Utf16String value = utf16(whitespace);
        Text* node = doc.createTextNode(&value);
        type->appendChild(node);
        type->addDeclaration(node);
    }

    template <class Kind>
    Kind* declare(const char* name) {
        auto node = std::make_unique<Kind>(&doc);
        doc.initName(*node, utf16(name));
        type->addDeclaration(node.get());
        return node.release();
    }

    DtdECUnit* unit(u32 flags, const char* name = nullptr) {
        auto result = new DtdECUnit(&doc);
        result->setFlags(flags);
        if (name) result->setName(utf16(name));
        return result;
    }

    DtdECUnit* group(u32 flags, std::initializer_list<DtdECUnit*> members) {
        DtdECUnit* result = unit(flags);
        for (DtdECUnit* member : members) result->appendChild(member);
        return result;
    }

    DtdAttlist* attribute(DtdElement* element, const char* name, std::int32_t type,
                          std::int32_t kind, const char* value = nullptr) {
        auto definition = std::make_unique<DtdAttlist>(&doc);
        doc.initName(*definition, utf16(name));
        definition->setAttributeType(type);
        definition->setDefaultKind(kind);
        if (value) definition->setDefaultValue(utf16(value));
        element->appendChild(definition.get());
        this->type->addDeclaration(definition.get());
        return definition.release();
    }

    Document doc;
    DocumentType* type = nullptr;
};

} // namespace

TEST_F(Doctype, NameAndIdentifierForms) {
    EXPECT_EQ(serialise(*type), "<!DOCTYPE book>");
    type->setSystemId(utf16("book.dtd"));
    EXPECT_EQ(serialise(*type), "<!DOCTYPE book SYSTEM \"book.dtd\">");
    type->setPublicId(utf16("-//B//EN"));
    EXPECT_EQ(serialise(*type), "<!DOCTYPE book PUBLIC \"-//B//EN\" \"book.dtd\">");
    space("\n");
    EXPECT_EQ(serialise(*type), "<!DOCTYPE book PUBLIC \"-//B//EN\" \"book.dtd\" [\n]>");
}

TEST_F(Doctype, ElementDeclarationsWriteTheirContentModels) {
    using U = DtdECUnit;
    declare<DtdElement>("e")->getContentSpec()->setFlags(U::Empty);
    declare<DtdElement>("y")->getContentSpec()->setFlags(U::Any);
    declare<DtdElement>("none");
    for (int twice = 0; twice < 2; ++twice) {
        DtdECUnit* text = declare<DtdElement>("t")->getContentSpec();
        text->setFlags(U::PCDataGroup);
        text->appendChild(unit(U::PCData));
    }
    DtdECUnit* mixed = declare<DtdElement>("m")->getContentSpec();
    mixed->setFlags(U::Mixed);
    for (DtdECUnit* member : {unit(U::PCData), unit(U::Name, "a"), unit(U::Name, "b")})
        mixed->appendChild(member);
    DtdECUnit* model = declare<DtdElement>("s")->getContentSpec();
    model->setFlags(U::Sequence | U::ZeroOrMore);
    model->appendChild(unit(U::Name | U::Optional, "a"));
    model->appendChild(group(U::Choice | U::OneOrMore,
                             {unit(U::Name, "b"), group(U::Sequence, {unit(U::Name, "c")})}));
    // A group of one particle; an unknown kind writes nothing.
    DtdECUnit* one = declare<DtdElement>("o")->getContentSpec();
    one->setFlags(U::Sequence);
    one->appendChild(unit(U::Name | U::OccurrenceMask, "a"));
    one->appendChild(unit(3));

    EXPECT_EQ(serialise(*type), "<!DOCTYPE book [<!ELEMENT e EMPTY ><!ELEMENT y ANY >"
                                "<!ELEMENT none  ><!ELEMENT t (#PCDATA) >"
                                "<!ELEMENT t (#PCDATA) ><!ELEMENT m (#PCDATA|a|b)* >"
                                "<!ELEMENT s (a?,(b|(c))+)* ><!ELEMENT o (a,) >]>");
    // The second "t" replaced the first in the map; both stay listed.
    EXPECT_EQ(type->getElementDecls()->count(), 7);
    EXPECT_EQ(type->getDeclarations()->count(), 8);
}

TEST_F(Doctype, AttributeListsWriteEveryTypeAndDefault) {
    using A = DtdAttlist;
    DtdElement* element = declare<DtdElement>("img");
    element->getContentSpec()->setFlags(DtdECUnit::Empty);
    space("\n");
    const char* types[] = {"CDATA",   "ID",       "IDREF",  "IDREFS",
                           "NMTOKEN", "NMTOKENS", "ENTITY", "ENTITIES"};
    DtdAttlist* first = attribute(element, "a1", A::CData, A::Required);
    first->setFirst(true);
    for (int t = A::Id; t <= A::Entities; ++t) attribute(element, types[t - 1], t, A::Implied);
    DtdAttlist* notation = attribute(element, "n", A::NotationType, A::Fixed, "gif");
    notation->addEnumerationValue(utf16("gif"));
    notation->addEnumerationValue(utf16("png"));
    DtdAttlist* choice = attribute(element, "c", A::Enumeration, A::Value, "<\"x\">");
    choice->addEnumerationValue(utf16("x"));
    choice->setLast(true);

    EXPECT_EQ(serialise(*type),
              "<!DOCTYPE book [<!ELEMENT img EMPTY >\n"
              "<!ATTLIST img a1 CDATA #REQUIRED ID ID #IMPLIED IDREF IDREF #IMPLIED"
              " IDREFS IDREFS #IMPLIED NMTOKEN NMTOKEN #IMPLIED NMTOKENS NMTOKENS #IMPLIED"
              " ENTITY ENTITY #IMPLIED ENTITIES ENTITIES #IMPLIED"
              " n NOTATION (gif |png) #FIXED \"gif\" c (x) \"&lt;&quot;x&quot;&gt;\" >]>");
    // The definitions belong to their element declaration.
    EXPECT_EQ(element->getChildNodes()->count(), 10);
}

TEST_F(Doctype, EntitiesNotationsAndTheNodesBetweenThem) {
    Entity* internal = declare<Entity>("amp2");
    internal->getReplacementText()->assign(utf16("&#38;<\x01x\x02"));
    Entity* picture = declare<Entity>("pic");
    picture->setSystemId(utf16("pic.gif"));
    picture->setNotationName(utf16("gif"));
    Entity* published = declare<Entity>("pub");
    published->setPublicId(utf16("-//P//EN"));
    published->setSystemId(utf16("p.xml"));
    space("\n ");
    DtdPEntity* parameter = declare<DtdPEntity>("pe");
    parameter->setNodeValue(utf16("<!ELEMENT x ANY>"));
    declare<DtdPEntity>("ext")->setSystemId(utf16("ext.ent"));
    Utf16String note = utf16(" c ");
    Comment* comment = doc.createComment(&note);
    type->appendChild(comment);
    type->addDeclaration(comment);
    ProcessingInstruction* pi = doc.createProcessingInstruction(utf16("pi"), Utf16String());
    type->appendChild(pi);
    type->addDeclaration(pi);
    declare<Notation>("gif")->setPublicId(utf16("image/gif"));
    Notation* png = declare<Notation>("png");
    png->setPublicId(utf16("image/png"));
    png->setSystemId(utf16("viewer"));
    declare<Notation>("jpg")->setSystemId(utf16("jpg.exe"));

    EXPECT_EQ(serialise(*type, Repair),
              "<!DOCTYPE book [<!ENTITY amp2 \"&amp;#38;&lt;&x;\" >"
              "<!ENTITY pic SYSTEM \"pic.gif\" NDATA gif >"
              "<!ENTITY pub PUBLIC \"-//P//EN\" \"p.xml\" >\n "
              "<!ENTITY % pe \"<!ELEMENT x ANY>\" ><!ENTITY % ext SYSTEM \"ext.ent\" >"
              "<!-- c --><?pi?><!NOTATION gif PUBLIC \"image/gif\" >"
              "<!NOTATION png PUBLIC \"image/png\" \"viewer\" >"
              "<!NOTATION jpg SYSTEM \"jpg.exe\" >]>");
    EXPECT_EQ(type->getEntities()->getNamedItem(utf16("pic")), picture);
    EXPECT_EQ(type->getParameterEntities()->count(), 2);
    EXPECT_EQ(type->getNotations()->count(), 3);
}

TEST_F(Doctype, ReplacedDeclarationsStayListedUntilTheDocumentDies) {
    Entity* first = declare<Entity>("e");
    first->getReplacementText()->assign(utf16("1"));
    Entity* second = declare<Entity>("e");
    second->getReplacementText()->assign(utf16("2"));
    EXPECT_EQ(type->getEntities()->getNamedItem(utf16("e")), second);
    EXPECT_EQ(serialise(*type), "<!DOCTYPE book [<!ENTITY e \"1\" ><!ENTITY e \"2\" >]>");
    // Entering the same node again changes nothing.
    type->addDeclaration(second);
    EXPECT_EQ(type->getDeclarations()->count(), 2);
}

TEST(XMLOutputter, FlowFailuresPassThrough) {
    Document doc;
    child(doc, "r");
    StringOFlow<u16> closed(nullptr);
    XMLOutputter out(&closed, Repair);
    try {
        doc.output(out);
        FAIL() << "no IOException";
    } catch (const IOException& e) {
        EXPECT_EQ(e.code, IOException::NotOpen);
    }
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
