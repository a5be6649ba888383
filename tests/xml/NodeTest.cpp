#include "xml/Node.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "DomText.h"
#include "tests/xml/ParseSupport.h"
#include "xml/Attr.h"
#include "xml/CDATASection.h"
#include "xml/Comment.h"
#include "xml/DOMException.h"
#include "xml/Document.h"
#include "xml/DtdAttlist.h"
#include "xml/DtdElement.h"
#include "xml/Element.h"
#include "xml/Entity.h"
#include "xml/Text.h"
#include "xml/XMLDecl.h"

using namespace ZUM;
using domtext::ascii;
using domtext::utf16;

namespace {

class ChildList : public ::testing::Test {
protected:
    void SetUp() override {
        parent = doc.createElement(utf16("p"));
        doc.appendChild(parent);
        for (const char* name : {"a", "b", "c"}) {
            children.push_back(doc.createElement(utf16(name)));
            parent->appendChild(children.back());
        }
    }

    std::string names() {
        std::string out;
        for (Node* child = parent->getFirstChild(); child; child = child->getNextSibling())
            out += ascii(*child->getNodeName());
        std::string back;
        for (Node* child = parent->getLastChild(); child; child = child->getPreviousSibling())
            back.insert(0, ascii(*child->getNodeName()));
        EXPECT_EQ(out, back) << "the backward links disagree";
        return out;
    }

    void expectRefused(const std::function<void()>& operation) {
        std::string before = names();
        try {
            operation();
            ADD_FAILURE() << "no DOMException";
        } catch (const DOMException& e) {
            EXPECT_EQ(e.code, DOMException::NotFoundErr);
        }
        EXPECT_EQ(names(), before);
    }

    Document doc;
    Element* parent = nullptr;
    std::vector<Element*> children;
};

} // namespace

TEST_F(ChildList, EditsLinkBothWaysAndSetTheParent) {
    std::unique_ptr<Node> removed(parent->removeChild(children[1]));
    EXPECT_EQ(removed.get(), children[1]);
    EXPECT_EQ(removed->getParentNode(), nullptr);
    EXPECT_EQ(removed->getNextSibling(), nullptr);
    EXPECT_EQ(removed->getPreviousSibling(), nullptr);
    EXPECT_EQ(names(), "ac");
    // The caller owns it now; it may go back in.
    parent->insertBefore(removed.release(), children[2]);
    EXPECT_EQ(names(), "abc");
    Element* x = doc.createElement(utf16("x"));
    EXPECT_EQ(parent->insertAfter(x, children[2]), x);
    EXPECT_EQ(x->getParentNode(), parent);
    Element* z = doc.createElement(utf16("z"));
    std::unique_ptr<Node> old(children[0]);
    EXPECT_EQ(parent->replaceChild(z, children[0]), z);
    EXPECT_EQ(old->getParentNode(), nullptr);
    EXPECT_EQ(old->getOwnerDocument(), &doc);
    EXPECT_EQ(z->getParentNode(), parent);
    EXPECT_EQ(names(), "zbcx");
}

TEST_F(ChildList, RefusedOperationsThrowAndChangeNothing) {
    std::unique_ptr<Element> loose(doc.createElement(utf16("x")));
    expectRefused([&] { parent->insertBefore(loose.get(), nullptr); });
    expectRefused([&] { parent->insertAfter(loose.get(), nullptr); });
    // A node that is already in a tree, even as an only child, or the parent itself.
    Element* only = doc.createElement(utf16("o"));
    children[0]->appendChild(only);
    expectRefused([&] { parent->appendChild(only); });
    expectRefused([&] { parent->appendChild(children[1]); });
    expectRefused([&] { parent->appendChild(parent); });
    expectRefused([&] { parent->appendChild(nullptr); });
    // An attribute its element's map holds.
    setAttribute(*only, utf16("id"), nullptr);
    expectRefused([&] { parent->appendChild(only->getAttributes()->getNamedItem(utf16("id"))); });
    // Not a child of this node.
    expectRefused([&] { parent->removeChild(only); });
    expectRefused([&] { parent->removeChild(loose.get()); });
    expectRefused([&] { parent->replaceChild(loose.get(), only); });
    EXPECT_EQ(loose->getParentNode(), nullptr);
    EXPECT_EQ(only->getParentNode(), children[0]);
}

TEST(Node, DeepCopyOfAnElementCopiesAttributesAndSubtree) {
    auto parsed = ParseSupport::parse(
        u"<p class=''><![CDATA[a<b]]><em id='a&lt;b'>a&lt;b</em><?pi a<b?></p>");
    Node* source = parsed.document->getLastChild();
    Node* inner = source->getFirstChild()->getNextSibling();
    std::unique_ptr<Node> copy(source->cloneNode(true));
    EXPECT_EQ(copy->getParentNode(), nullptr);
    Node* section = copy->getFirstChild();
    EXPECT_NE(section, source->getFirstChild());
    EXPECT_EQ(section->getParentNode(), copy.get());
    Node* copiedInner = section->getNextSibling();
    EXPECT_EQ(copiedInner->getParentNode(), copy.get());
    EXPECT_EQ(copiedInner->getFirstChild()->getParentNode(), copiedInner);
    Node* id = copiedInner->getAttributes()->getNamedItem(utf16("id"));
    ASSERT_NE(id, nullptr);
    EXPECT_NE(id, inner->getAttributes()->getNamedItem(utf16("id")));
    EXPECT_EQ(static_cast<Attr*>(id)->getOwnerElement(), copiedInner);
    EXPECT_TRUE(static_cast<Attr*>(id)->getSpecified());
    EXPECT_EQ(domtext::serialise(*copy), domtext::serialise(*source));

    std::unique_ptr<Node> shallow(source->cloneNode(false));
    EXPECT_FALSE(shallow->hasChildNodes());
    EXPECT_TRUE(shallow->getAttributes()->isEmpty());
}

TEST(Node, KindsWithoutACopyAreSkippedByADeepCopy) {
    Document doc;
    EXPECT_EQ(doc.getXMLDecl()->cloneNode(true), nullptr);
    EXPECT_EQ(DtdAttlist(&doc).cloneNode(true), nullptr);
    std::unique_ptr<Element> holder(doc.createElement(utf16("h")));
    holder->appendChild(new DtdElement(&doc));
    auto entity = std::make_unique<Entity>(&doc);
    doc.initName(*entity, utf16("pic"));
    entity->setSystemId(utf16("pic.png"));
    entity->setNotationName(utf16("png"));
    holder->appendChild(entity.release());
    holder->appendChild(doc.createElement(utf16("kept")));
    std::unique_ptr<Node> copy(holder->cloneNode(true));
    EXPECT_EQ(domtext::serialise(*copy),
              "<h><!ENTITY pic SYSTEM \"pic.png\" NDATA png ><kept/></h>");
}

TEST(Node, BufferPointersAreClearedWhenTheNodeDies) {
    Document doc;
    BufferPointer kept, dropped;
    {
        std::unique_ptr<Element> e(doc.createElement(utf16("e")));
        e->addBufferPointer(&kept);
        e->addBufferPointer(&dropped);
        EXPECT_EQ(kept.node, e.get());
        EXPECT_EQ(kept.text, e->getNodeValue());
        EXPECT_TRUE(e->removeBufferPointer(&dropped));
    }
    EXPECT_EQ(kept.node, nullptr);
    EXPECT_EQ(kept.text, nullptr);
    EXPECT_NE(dropped.node, nullptr);
}

// Elements make their value on request and text keeps its own; either way the
// value stays where it was handed out and a copy takes it along.
TEST(Node, EveryKindKeepsTheValueSetOnItAndCopiesIt) {
    Document doc;
    std::unique_ptr<Node> element(doc.createElement(utf16("e")));
    const Utf16String data = utf16("t");
    std::unique_ptr<Node> text(doc.createTextNode(&data));
    for (Node* node : {element.get(), text.get()}) {
        Utf16String* value = node->getNodeValue();
        node->setNodeValue(utf16("set"));
        EXPECT_EQ(node->getNodeValue(), value);
        EXPECT_EQ(ascii(*value), "set");
        std::unique_ptr<Node> copy(node->cloneNode(false));
        EXPECT_EQ(ascii(*copy->getNodeValue()), "set");
    }
}

TEST(Node, KindsWithAFixedNameShareItsAtomWhateverCameBetween) {
    Document doc;
    std::unique_ptr<Node> first(doc.createTextNode(nullptr));
    std::unique_ptr<Node> comment(doc.createComment(nullptr));
    std::unique_ptr<Node> section(doc.createCDATASection(nullptr));
    std::unique_ptr<Node> second(doc.createTextNode(nullptr));
    EXPECT_EQ(ascii(*doc.getNodeName()), "#document");
    EXPECT_EQ(ascii(*first->getNodeName()), "#text");
    EXPECT_EQ(ascii(*comment->getNodeName()), "#comment");
    EXPECT_EQ(ascii(*section->getNodeName()), "#cdata-section");
    EXPECT_EQ(second->getNodeName(), first->getNodeName());
}
