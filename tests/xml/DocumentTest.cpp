#include "xml/Document.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "DomText.h"
#include "tests/xml/ParseSupport.h"
#include "xml/Attr.h"
#include "xml/CDATASection.h"
#include "xml/Comment.h"
#include "xml/DOMImplementation.h"
#include "xml/DOMModule.h"
#include "xml/DocumentType.h"
#include "xml/Element.h"
#include "xml/Entity.h"
#include "xml/Text.h"
#include "xml/XMLDecl.h"

using namespace ZUM;
using domtext::ascii;
using domtext::utf16;

TEST(Document, InternsNamesPerTableAndSplitsThemAtTheFirstColon) {
    Document doc;
    Utf16String uri = utf16("http://www.w3.org/1999/xhtml");
    std::unique_ptr<Element> a(doc.createElement(utf16("body")));
    std::unique_ptr<Element> b(doc.createElement(utf16("body")));
    EXPECT_EQ(a->getNodeName(), b->getNodeName());
    EXPECT_EQ(a->getLocalName(), nullptr);
    // The same text in another table is another atom.
    EXPECT_NE(doc.internPrefix(utf16("body")), a->getNodeName());
    const u16 units[] = {u'b', u'o', u'd', u'y', u'x'};
    EXPECT_EQ(doc.internName(units, 4), a->getNodeName());
    // Many more names than the table keeps at hand, each interned twice.
    std::vector<Utf16String*> atoms;
    for (int i = 0; i < 2000; ++i) atoms.push_back(doc.internName(utf16(std::to_string(i))));
    for (int i = 1999; i >= 0; --i) {
        ASSERT_EQ(doc.internName(utf16(std::to_string(i))), atoms[i]);
        ASSERT_EQ(ascii(*atoms[i]), std::to_string(i));
    }

    std::unique_ptr<Element> prefixed(doc.createElementNS(uri, utf16("h:body")));
    EXPECT_EQ(prefixed->getPrefix(), doc.internPrefix(utf16("h")));
    EXPECT_EQ(prefixed->getLocalName(), a->getNodeName());
    EXPECT_EQ(prefixed->getNamespaceURI(), doc.internNamespaceURI(uri));
    // Nodes of the same names share them; a new prefix changes one node only.
    std::unique_ptr<Element> twin(doc.createElementNS(uri, utf16("h:body")));
    twin->setPrefix(utf16("k"));
    EXPECT_EQ(ascii(*twin->getPrefix()), "k");
    EXPECT_EQ(twin->getLocalName(), prefixed->getLocalName());
    EXPECT_EQ(twin->getNamespaceURI(), prefixed->getNamespaceURI());
    EXPECT_EQ(ascii(*prefixed->getPrefix()), "h");
    EXPECT_EQ(ascii(*twin->getNodeName()), "h:body"); // the name stays as it was
    twin->setPrefix(static_cast<const Utf16String*>(nullptr));
    EXPECT_EQ(twin->getPrefix(), nullptr);
    EXPECT_EQ(twin->getLocalName(), prefixed->getLocalName());
    std::unique_ptr<Element> plain(doc.createElementNS(uri, utf16("body")));
    ASSERT_NE(plain->getPrefix(), nullptr);
    EXPECT_EQ(plain->getPrefix()->length(), 0u);
    EXPECT_EQ(plain->getLocalName(), a->getNodeName());
    // Either side of the colon may be empty.
    EXPECT_EQ(ascii(*doc.localNameOf(utf16("a:b:c"))), "b:c");
    EXPECT_EQ(doc.prefixOf(utf16(":x"))->length(), 0u);
    EXPECT_EQ(doc.localNameOf(utf16("x:"))->length(), 0u);
}

// A text keeps its prefix apart from the names it shares with every text; a
// copy keeps it, and a copied document interns it again in its own tables.
TEST(Document, ATextKeepsItsOwnPrefixThroughCopies) {
    auto doc = std::make_unique<Document>();
    Element* root = doc->createElement(utf16("r"));
    doc->appendChild(root);
    Node* text = root->appendChild(doc->createTextNode(nullptr));
    std::unique_ptr<Node> other(doc->createTextNode(nullptr));
    text->setPrefix(utf16("p"));
    EXPECT_EQ(text->getPrefix(), doc->internPrefix(utf16("p")));
    EXPECT_EQ(other->getPrefix(), nullptr);
    EXPECT_EQ(text->getLocalName(), nullptr);
    EXPECT_EQ(std::unique_ptr<Node>(text->cloneNode(false))->getPrefix(), text->getPrefix());

    std::unique_ptr<Node> documentCopy(doc->cloneNode(true));
    other.reset();
    doc.reset();
    Node* copiedText = documentCopy->getLastChild()->getFirstChild();
    auto& copied = static_cast<Document&>(*documentCopy);
    EXPECT_EQ(copiedText->getPrefix(), copied.internPrefix(utf16("p")));
    copiedText->setPrefix(static_cast<const Utf16String*>(nullptr));
    EXPECT_EQ(copiedText->getPrefix(), nullptr);
}

TEST(Document, FindChildElementLooksAtDirectElementChildrenOnly) {
    auto nested = ParseSupport::parse(u"<html><div><head/></div></html>");
    EXPECT_EQ(findChildElement(*nested.document->getLastChild(), utf16("head")), nullptr);
    auto parsed = ParseSupport::parse(
        u"<html><div/>head<!--head--><head/><head/><x:title xmlns:x='urn:x'/></html>");
    Document& doc = *parsed.document;
    Node& root = *doc.getLastChild();
    Node* first = root.getFirstChild()->getNextSibling()->getNextSibling()->getNextSibling();
    EXPECT_EQ(findChildElement(root, utf16("head")), first);
    // Namespaces play no part: the qualified name is what counts.
    EXPECT_EQ(findChildElement(root, utf16("x:title")), root.getLastChild());
    EXPECT_EQ(findChildElement(root, utf16("title")), nullptr);
    int names = doc.getNames().count();
    EXPECT_EQ(findChildElement(root, utf16("unused")), nullptr);
    EXPECT_EQ(doc.getNames().count(), names + 1);
}

TEST(Document, HasFeatureForXmlAndHtmlOnly) {
    const DOMImplementation& dom = *sharedDOMImplementation();
    EXPECT_TRUE(dom.hasFeature(utf16("XML"), utf16("1.0")));
    EXPECT_TRUE(dom.hasFeature(utf16("HTML"), utf16("")));
    EXPECT_FALSE(dom.hasFeature(utf16("xml"), utf16("1.0")));
    EXPECT_FALSE(dom.hasFeature(utf16("XML"), utf16("2.0")));
    EXPECT_FALSE(dom.hasFeature(utf16("XML"), utf16("1.0 ")));
}

// LeakSanitizer checks these: the document frees every node it reaches,
// whether its document type is linked, unlinked or taken out again.
TEST(Document, DestructionReleasesTheWholeTree) {
    for (int variant = 0; variant < 3; ++variant) {
        auto doc = std::make_unique<Document>();
        DocumentType* doctype = doc->getDoctype();
        doc->initName(*doctype, utf16("html"));
        doctype->setSystemId(utf16("x.dtd"));
        auto entity = std::make_unique<Entity>(doc.get());
        doc->initName(*entity, utf16("e"));
        doctype->addDeclaration(entity.release());
        if (variant > 0) doc->appendChild(doctype);
        if (variant > 1) doc->removeChild(doctype);
        Element* root = doc->createElement(utf16("html"));
        doc->appendChild(root);
        setAttribute(*root, utf16("lang"), nullptr);
        root->appendChild(doc->createCDATASection(nullptr));
        EXPECT_EQ(doctype->getParentNode(), variant == 1 ? doc.get() : nullptr);
    }
}

TEST(Document, DeepCopyOwnsItsNamesAndKeepsDeclarationAndDoctype) {
    const char16_t* text = u"<?xml version=\"1.0\" ?><!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 "
                           u"Strict//EN\" \"x.dtd\"><x:html id=\"\" xmlns:x=\"urn:x\">text"
                           u"</x:html><!--text-->";
    std::unique_ptr<Document> source = ParseSupport::parse(text).document;
    std::unique_ptr<Document> copy(static_cast<Document*>(source->cloneNode(true)));
    source.reset();
    // Every name now lives in the copy's tables.
    EXPECT_EQ(domtext::serialise(*copy), ascii(Utf16String(text)));
    EXPECT_EQ(copy->getDoctype()->getParentNode(), copy.get());
    Node* copiedRoot = copy->getDoctype()->getNextSibling();
    EXPECT_EQ(copiedRoot->getOwnerDocument(), copy.get());
    EXPECT_EQ(copiedRoot->getNodeName(), copy->internName(utf16("x:html")));
    EXPECT_EQ(copiedRoot->getPrefix(), copy->internPrefix(utf16("x")));
    EXPECT_EQ(copiedRoot->getNamespaceURI(), copy->internNamespaceURI(utf16("urn:x")));

    std::unique_ptr<Document> shallow(static_cast<Document*>(copy->cloneNode(false)));
    EXPECT_EQ(shallow->getChildNodes()->count(), 1);
}
