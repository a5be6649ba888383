#include "xml/Element.h"

#include "xml/Attr.h"
#include "xml/Document.h"
#include "xml/XMLOutputter.h"

namespace ZUM {

Node* Element::cloneNode(bool deep) {
    std::unique_ptr<Element> copy = copyNamed<Element>();
    if (deep) {
        copy->copyAttributesFrom(*this);
        copy->copyChildrenFrom(*this);
    }
    return copy.release();
}

// A document-order walk over the first-child, next-sibling and parent links:
// an element's end tag is written when the walk climbs out of it.
void Element::output(XMLOutputter& out) {
    Node* node = this;
    for (;;) {
        if (node->getNodeType() == ElementNode) {
            if (static_cast<Element*>(node)->writeStart(out)) {
                node = node->getFirstChild();
                continue;
            }
        } else {
            node->output(out);
        }
        while (node != this && !node->getNextSibling()) {
            node = node->getParentNode();
            static_cast<Element*>(node)->writeEnd(out);
        }
        if (node == this) return;
        node = node->getNextSibling();
    }
}

bool Element::writeStart(XMLOutputter& out) {
    out.writeChar(u'<');
    if (nodeName) out.write(*nodeName);
    if (out.hasFlag(XMLOutputter::NameLabels)) writeNameLabel(out);
    if (NamedNodeMap* attributes = presentAttributes())
        attributes->forEachNode([&out](Node* attribute) {
            out.writeChar(u' ');
            attribute->output(out);
        });
    if (hasChildNodes()) {
        out.writeChar(u'>');
        return true;
    }
    if (explicitEndTag && out.hasFlag(XMLOutputter::ExplicitEndTags)) {
        out.writeChar(u'>');
        writeEnd(out);
    } else {
        out.write(out.hasFlag(XMLOutputter::SpaceBeforeEmptyEnd) ? u" />" : u"/>");
    }
    return false;
}

void Element::writeEnd(XMLOutputter& out) {
    out.write(u"</");
    if (nodeName) out.write(*nodeName);
    out.writeChar(u'>');
}

void Element::writeNameLabel(XMLOutputter& out) {
    auto field = [&out](const char16_t* label, const Utf16String* name) {
        out.write(label);
        if (name)
            out.write(*name);
        else
            out.write(u"null");
    };
    field(u" [NODE_NAME:", nodeName);
    field(u" PREFIX:", getPrefix());
    field(u" LOCAL_NAME:", getLocalName());
    field(u" NAMESPACE_URI:", getNamespaceURI());
    out.writeChar(u']');
}

void setAttribute(Element& element, const Utf16String& name, const Utf16String* value) {
    NamedNodeMap* map = element.getAttributes();
    if (Node* present = map->getNamedItem(name)) {
        if (value)
            present->setNodeValue(*value);
        else
            present->getNodeValue()->clear();
        return;
    }
    std::unique_ptr<Attr> attribute(element.getOwnerDocument()->createAttribute(name));
    if (value) attribute->setNodeValue(*value);
    map->setNamedItem(attribute.get());
    attribute.release();
}

void setAttributeNS(Element& element, const Utf16String& namespaceURI,
                    const Utf16String& qualifiedName, const Utf16String& value) {
    Document* document = element.getOwnerDocument();
    NamedNodeMap* map = element.getAttributes();
    Utf16String* uri = document->internNamespaceURI(namespaceURI);
    if (Node* present = map->getNamedItemNS(document->localNameOf(qualifiedName), uri)) {
        present->setNodeValue(value);
        return;
    }
    auto attribute = std::make_unique<Attr>(document);
    document->initNameNS(*attribute, namespaceURI, qualifiedName);
    attribute->setSpecified(true);
    attribute->setNodeValue(value);
    std::unique_ptr<Node> replaced(map->setNamedItemNS(attribute.get()));
    attribute.release();
}

Element* findChildElement(Node& parent, const Utf16String& name) {
    Utf16String* atom = parent.getOwnerDocument()->internName(name);
    for (Node* child = parent.getFirstChild(); child; child = child->getNextSibling()) {
        if (child->getNodeType() == Node::ElementNode && child->getNodeName() == atom)
            return static_cast<Element*>(child);
    }
    return nullptr;
}

} // namespace ZUM
