#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "xml/Document.h"

// Helpers of the parser tests: a parse of UTF-16 text that also reports the
// error number printed, and a canonical rendering of a tree's shape, which
// peers/ compares with libxml2's.
namespace ParseSupport {

struct Result {
    std::unique_ptr<ZUM::Document> document;
    int error = 0;           // the number printed on standard error, 0 when none
    std::string diagnostics; // everything printed on standard error
};

Result parse(std::u16string_view text);

std::u16string repeat(std::u16string_view text, int times);
// Ten entities e0 to e9, each ten references to the one before (10^10 units
// once expanded), in an internal subset left open.
std::u16string laughs();

std::string utf8(std::u16string_view text);
std::u16string utf16(const ZUM::Utf16String& text);

// A shape under construction: qualified names with the namespace name in
// braces, attributes sorted by name, adjacent text merged and empty text
// left out.
class Shape {
public:
    using Attributes = std::vector<std::pair<std::string, std::string>>;
    void open(const std::string& name, const std::string& uri, Attributes attributes);
    void close() { add("</>"); }
    void addText(const std::string& more) { text += more; }
    void add(const std::string& markup);
    std::string finish();

private:
    void flush();
    std::string out;
    std::string text;
};

// The element's subtree as a shape, namespace declarations left out.
std::string shape(ZUM::Node& element);

} // namespace ParseSupport
