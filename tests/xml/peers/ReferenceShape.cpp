#include "tests/xml/peers/ReferenceShape.h"

#include <libxml/parser.h>

namespace ParseSupport {

namespace {

std::string text(const xmlChar* content) {
    return content ? reinterpret_cast<const char*>(content) : "";
}

std::string qualified(const xmlChar* name, xmlNs* ns) {
    return ns && ns->prefix ? text(ns->prefix) + ":" + text(name) : text(name);
}

void renderReference(xmlNode* node, Shape& shape) {
    switch (node->type) {
    case XML_ELEMENT_NODE: {
        Shape::Attributes attributes;
        for (xmlAttr* attribute = node->properties; attribute; attribute = attribute->next) {
            xmlChar* value = xmlNodeGetContent(reinterpret_cast<xmlNode*>(attribute));
            attributes.emplace_back(qualified(attribute->name, attribute->ns), text(value));
            xmlFree(value);
        }
        shape.open(qualified(node->name, node->ns), node->ns ? text(node->ns->href) : "",
                   attributes);
        for (xmlNode* child = node->children; child; child = child->next)
            renderReference(child, shape);
        shape.close();
        break;
    }
    case XML_TEXT_NODE: shape.addText(text(node->content)); break;
    case XML_CDATA_SECTION_NODE: shape.add("<![CDATA[" + text(node->content) + "]]>"); break;
    case XML_COMMENT_NODE: shape.add("<!--" + text(node->content) + "-->"); break;
    case XML_PI_NODE: shape.add("<?" + text(node->name) + " " + text(node->content) + "?>"); break;
    default: break;
    }
}

} // namespace

std::string referenceShape(std::u16string_view source) {
    std::string bytes = utf8(source);
    xmlDoc* doc =
        xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), "test.xml", "UTF-8",
                      XML_PARSE_NOENT | XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (!doc) return "";
    Shape shape;
    renderReference(xmlDocGetRootElement(doc), shape);
    xmlFreeDoc(doc);
    return shape.finish();
}

} // namespace ParseSupport
