#include "tests/xml/ParseSupport.h"

#include <gtest/gtest.h>
#include <libxml/parser.h>

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "encoding/EncodingRegistry.h"
#include "xml/XMLParser.h"

using namespace ZUM;

namespace ParseSupport {

std::string utf8(std::u16string_view text) {
    const Utf16String units(reinterpret_cast<const u16*>(text.data()), u32(text.size()));
    Utf8String bytes;
    convertFromUtf16String(Utf16N, Utf8N, &units, bytes);
    return {bytes.data(), bytes.length()};
}

std::u16string repeat(std::u16string_view text, int times) {
    std::u16string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

std::u16string laughs() {
    std::u16string doc = u"<!DOCTYPE a [<!ENTITY e0 \"0123456789\">";
    for (char16_t i = u'1'; i <= u'9'; ++i)
        doc += u"<!ENTITY e" + std::u16string(1, i) + u" \"" +
               repeat(u"&e" + std::u16string(1, char16_t(i - 1)) + u";", 10) + u"\">";
    return doc;
}

std::u16string utf16(const Utf16String& text) {
    return {reinterpret_cast<const char16_t*>(text.data()), text.length()};
}

Result parse(std::u16string_view text) {
    Result result;
    testing::internal::CaptureStderr();
    result.document.reset(XMLParser::parseUnits(reinterpret_cast<const u16*>(text.data()),
                                                static_cast<u32>(text.size())));
    result.diagnostics = testing::internal::GetCapturedStderr();
    if (result.diagnostics.rfind("ERROR:", 0) == 0)
        result.error = std::atoi(result.diagnostics.c_str() + 6);
    return result;
}

namespace {

// A rendered node list under construction: adjacent texts merge.
struct Shape {
    std::string out;
    std::string text;

    void addText(const std::string& more) { text += more; }
    void flush() {
        if (!text.empty()) out += '"' + text + '"';
        text.clear();
    }
    void add(const std::string& markup) {
        flush();
        out += markup;
    }
};

bool isNamespaceDeclaration(const std::string& name) {
    return name == "xmlns" || name.rfind("xmlns:", 0) == 0;
}

std::string elementOpen(const std::string& name, const std::string& uri,
                        std::vector<std::pair<std::string, std::string>> attributes) {
    std::sort(attributes.begin(), attributes.end());
    std::string open = "<" + name + "{" + uri + "}";
    for (auto& [key, value] : attributes) open += " " + key + "=\"" + value + "\"";
    return open + ">";
}

void render(Node& node, Shape& shape) {
    std::string value = utf8(utf16(*node.getNodeValue()));
    switch (node.getNodeType()) {
    case Node::ElementNode: {
        std::vector<std::pair<std::string, std::string>> attributes;
        node.getAttributes()->forEachNode([&](Node* attribute) {
            std::string name = utf8(utf16(*attribute->getNodeName()));
            if (!isNamespaceDeclaration(name))
                attributes.emplace_back(name, utf8(utf16(*attribute->getNodeValue())));
        });
        Utf16String* uri = node.getNamespaceURI();
        shape.add(elementOpen(utf8(utf16(*node.getNodeName())), uri ? utf8(utf16(*uri)) : "",
                              attributes));
        for (Node* child = node.getFirstChild(); child; child = child->getNextSibling())
            render(*child, shape);
        shape.add("</>");
        break;
    }
    case Node::TextNode: shape.addText(value); break;
    case Node::CDATASectionNode: shape.add("<![CDATA[" + value + "]]>"); break;
    case Node::CommentNode: shape.add("<!--" + value + "-->"); break;
    case Node::ProcessingInstructionNode:
        shape.add("<?" + utf8(utf16(*node.getNodeName())) + " " + value + "?>");
        break;
    default: break;
    }
}

std::string text(const xmlChar* content) {
    return content ? reinterpret_cast<const char*>(content) : "";
}

std::string qualified(const xmlChar* name, xmlNs* ns) {
    return ns && ns->prefix ? text(ns->prefix) + ":" + text(name) : text(name);
}

void renderReference(xmlNode* node, Shape& shape) {
    switch (node->type) {
    case XML_ELEMENT_NODE: {
        std::vector<std::pair<std::string, std::string>> attributes;
        for (xmlAttr* attribute = node->properties; attribute; attribute = attribute->next) {
            xmlChar* value = xmlNodeGetContent(reinterpret_cast<xmlNode*>(attribute));
            attributes.emplace_back(qualified(attribute->name, attribute->ns), text(value));
            xmlFree(value);
        }
        shape.add(elementOpen(qualified(node->name, node->ns), node->ns ? text(node->ns->href) : "",
                              attributes));
        for (xmlNode* child = node->children; child; child = child->next)
            renderReference(child, shape);
        shape.add("</>");
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

std::string shape(Node& element) {
    Shape shape;
    render(element, shape);
    shape.flush();
    return shape.out;
}

std::string referenceShape(std::u16string_view source) {
    std::string bytes = utf8(source);
    xmlDoc* doc =
        xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), "test.xml", "UTF-8",
                      XML_PARSE_NOENT | XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (!doc) return "";
    Shape shape;
    renderReference(xmlDocGetRootElement(doc), shape);
    shape.flush();
    xmlFreeDoc(doc);
    return shape.out;
}

} // namespace ParseSupport
