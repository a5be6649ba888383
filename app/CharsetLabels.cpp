#include "app/CharsetLabels.h"

#include <algorithm>
#include <optional>

#include "app/TextForm.h"
#include "xml/Element.h"
#include "xml/NamedNodeMap.h"

using namespace ZUM;

namespace {

constexpr char Utf8Label[] = "utf-8";

std::string lowerAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return text;
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// The value of the element's attribute `name` in UTF-8, when it has one.
std::optional<std::string> attributeOf(Node& element, const Utf16String& name) {
    Node* attribute = element.getAttributes()->getNamedItem(name);
    if (!attribute) return std::nullopt;
    return TextForm::utf8(*attribute->getNodeValue());
}

void setContent(Node& meta, const Utf16String& contentName, const std::string& value) {
    if (Node* content = meta.getAttributes()->getNamedItem(contentName))
        content->setNodeValue(TextForm::wide(value));
}

} // namespace

std::string CharsetLabels::withUtf8Charset(const std::string& content) {
    const std::string lower = lowerAscii(content);
    for (std::size_t at = lower.find("charset"); at != std::string::npos;
         at = lower.find("charset", at + 1)) {
        // A parameter name starts the value or follows a separator.
        if (at > 0 && !isSpace(lower[at - 1]) && lower[at - 1] != ';') continue;
        std::size_t i = at + 7;
        while (i < lower.size() && isSpace(lower[i])) ++i;
        if (i == lower.size() || lower[i] != '=') continue;
        ++i;
        while (i < lower.size() && isSpace(lower[i])) ++i;
        std::size_t end = i;
        if (i < lower.size() && (lower[i] == '"' || lower[i] == '\'')) {
            const std::size_t close = lower.find(lower[i], i + 1);
            if (close == std::string::npos) return content;
            return content.substr(0, i + 1) + Utf8Label + content.substr(close);
        }
        while (end < lower.size() && lower[end] != ';' && !isSpace(lower[end])) ++end;
        return content.substr(0, i) + Utf8Label + content.substr(end);
    }
    return content;
}

void CharsetLabels::sayUtf8(Element& head) {
    const Utf16String meta = TextForm::wide("meta");
    const Utf16String name = TextForm::wide("name");
    const Utf16String httpEquiv = TextForm::wide("http-equiv");
    const Utf16String contentName = TextForm::wide("content");
    for (Node* child = head.getFirstChild(); child; child = child->getNextSibling()) {
        if (child->getNodeType() != 1 || *child->getNodeName() != meta) continue;
        if (attributeOf(*child, name) == "ncc:charset") {
            setContent(*child, contentName, Utf8Label);
        } else if (lowerAscii(attributeOf(*child, httpEquiv).value_or("")) == "content-type") {
            const std::string content = attributeOf(*child, contentName).value_or("");
            const std::string relabelled = withUtf8Charset(content);
            if (relabelled != content) setContent(*child, contentName, relabelled);
        }
    }
}
