#include "xml/NamedNodeMap.h"

#include <gtest/gtest.h>

#include <memory>

#include "DomText.h"
#include "xml/Attr.h"
#include "xml/DOMException.h"
#include "xml/Document.h"
#include "xml/Element.h"
#include "xml/XMLDecl.h"

using namespace ZUM;
using domtext::ascii;
using domtext::utf16;

namespace {

std::string order(const NamedNodeMap& map) {
    std::string out;
    map.forEachNode([&out](Node* node) { out += ascii(*node->getNodeName()) + " "; });
    return out;
}

} // namespace

TEST(NamedNodeMap, IteratesInOrdinalNameOrder) {
    Document doc;
    std::unique_ptr<Element> meta(doc.createElement(utf16("meta")));
    for (const char* name : {"name", "content", "Zeta", "nameX", "a", "Name"})
        setAttribute(*meta, utf16(name), nullptr);
    NamedNodeMap* map = meta->getAttributes();
    EXPECT_EQ(order(*map), "Name Zeta a content name nameX ");
    EXPECT_EQ(map->count(), 6);

    // The plain dictionary refuses a second node of a name already present.
    std::unique_ptr<Attr> twin(doc.createAttribute(utf16("content")));
    EXPECT_FALSE(map->add(twin.get()));
    EXPECT_NE(map->getNamedItem(utf16("content")), twin.get());
    EXPECT_EQ(map->getNamedItem(utf16("absent")), nullptr);
}

TEST(NamedNodeMap, SetAttributeReplacesInPlaceOrAdds) {
    Document doc;
    std::unique_ptr<Element> e(doc.createElement(utf16("e")));
    Utf16String one = utf16("1"), two = utf16("2");
    setAttribute(*e, utf16("k"), &one);
    Node* first = e->getAttributes()->getNamedItem(utf16("k"));
    ASSERT_NE(first, nullptr);
    setAttribute(*e, utf16("k"), &two);
    EXPECT_EQ(e->getAttributes()->getNamedItem(utf16("k")), first);
    EXPECT_EQ(ascii(*first->getNodeValue()), "2");
    setAttribute(*e, utf16("k"), nullptr);
    EXPECT_EQ(first->getNodeValue()->length(), 0u);
    EXPECT_EQ(e->getAttributes()->count(), 1);
}

TEST(NamedNodeMap, SetNamedItemHandsBackTheReplacedNode) {
    Document doc;
    std::unique_ptr<Element> e(doc.createElement(utf16("e")));
    NamedNodeMap* map = e->getAttributes();
    Attr* first = doc.createAttribute(utf16("k"));
    EXPECT_EQ(map->setNamedItem(first), nullptr);
    EXPECT_EQ(first->getOwnerElement(), e.get());
    EXPECT_EQ(first->getParentNode(), nullptr);
    EXPECT_EQ(first->getOwnerDocument(), &doc);
    // Entering the node already there changes nothing and hands nothing back.
    EXPECT_EQ(map->setNamedItem(first), nullptr);

    Attr* second = doc.createAttribute(utf16("k"));
    std::unique_ptr<Node> replaced(map->setNamedItem(second));
    EXPECT_EQ(replaced.get(), first);
    EXPECT_EQ(first->getOwnerElement(), nullptr);
    EXPECT_EQ(first->getOwnerDocument(), &doc);
    EXPECT_EQ(second->getOwnerElement(), e.get());
    EXPECT_EQ(map->getNamedItem(utf16("k")), second);

    // The declaration's map is not an element's: no owner element there.
    Attr* version = doc.createAttribute(utf16("version"));
    doc.getXMLDecl()->getAttributes()->setNamedItem(version);
    EXPECT_EQ(version->getOwnerElement(), nullptr);
}

TEST(NamedNodeMap, NamespaceLookupsCompareInternedPointers) {
    Document doc;
    std::unique_ptr<Element> e(doc.createElement(utf16("e")));
    NamedNodeMap* map = e->getAttributes();
    Utf16String urnA = utf16("urn:a"), urnB = utf16("urn:b");
    setAttributeNS(*e, urnA, utf16("a:lang"), utf16("en"));
    setAttributeNS(*e, urnB, utf16("b:lang"), utf16("fr"));
    Utf16String* lang = doc.internName(utf16("lang"));
    Node* a = map->getNamedItemNS(lang, doc.internNamespaceURI(urnA));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(ascii(*a->getNodeName()), "a:lang");
    // A copy of the right text that is not the atom does not match.
    Utf16String notInterned = utf16("lang");
    EXPECT_EQ(map->getNamedItemNS(&notInterned, doc.internNamespaceURI(urnA)), nullptr);

    // Same namespace and local name under another prefix: the value is replaced in place.
    setAttributeNS(*e, urnA, utf16("z:lang"), utf16("de"));
    EXPECT_EQ(map->count(), 2);
    EXPECT_EQ(ascii(*a->getNodeValue()), "de");

    // setNamedItemNS replaces by namespace; a node left with the same name refuses.
    Attr* other = new Attr(&doc);
    doc.initNameNS(*other, urnA, utf16("q:lang"));
    std::unique_ptr<Node> replaced(map->setNamedItemNS(other));
    EXPECT_EQ(replaced.get(), a);
    EXPECT_EQ(order(*map), "b:lang q:lang ");
    auto clash = std::make_unique<Attr>(&doc);
    doc.initNameNS(*clash, urnB, utf16("q:lang"));
    EXPECT_THROW(map->setNamedItemNS(clash.get()), DOMException);
    EXPECT_EQ(order(*map), "b:lang q:lang ");
}
