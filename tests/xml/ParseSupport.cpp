#include "tests/xml/ParseSupport.h"

#include <gtest/gtest.h>

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

void Shape::flush() {
    if (!text.empty()) out += '"' + text + '"';
    text.clear();
}

void Shape::add(const std::string& markup) {
    flush();
    out += markup;
}

void Shape::open(const std::string& name, const std::string& uri, Attributes attributes) {
    std::sort(attributes.begin(), attributes.end());
    std::string start = "<" + name + "{" + uri + "}";
    for (auto& [key, value] : attributes) start += " " + key + "=\"" + value + "\"";
    add(start + ">");
}

std::string Shape::finish() {
    flush();
    return out;
}

namespace {

bool isNamespaceDeclaration(const std::string& name) {
    return name == "xmlns" || name.rfind("xmlns:", 0) == 0;
}

void render(Node& node, Shape& shape) {
    std::string value = utf8(utf16(*node.getNodeValue()));
    switch (node.getNodeType()) {
    case Node::ElementNode: {
        Shape::Attributes attributes;
        node.getAttributes()->forEachNode([&](Node* attribute) {
            std::string name = utf8(utf16(*attribute->getNodeName()));
            if (!isNamespaceDeclaration(name))
                attributes.emplace_back(name, utf8(utf16(*attribute->getNodeValue())));
        });
        Utf16String* uri = node.getNamespaceURI();
        shape.open(utf8(utf16(*node.getNodeName())), uri ? utf8(utf16(*uri)) : "", attributes);
        for (Node* child = node.getFirstChild(); child; child = child->getNextSibling())
            render(*child, shape);
        shape.close();
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

} // namespace

std::string shape(Node& element) {
    Shape shape;
    render(element, shape);
    return shape.finish();
}

} // namespace ParseSupport
