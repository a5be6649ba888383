#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "xml/Document.h"

// Helpers of the parser tests: a parse of UTF-16 text that also reports the
// error number printed, and canonical renderings of a tree's shape, ours and
// libxml2's, for comparison.
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

// The element's subtree: qualified names with the namespace name in braces,
// attributes other than namespace declarations sorted by name, adjacent text
// merged and empty text left out.
std::string shape(ZUM::Node& element);
// The same rendering of the document element libxml2 builds (entities
// substituted); an empty string when libxml2 refuses the document.
std::string referenceShape(std::u16string_view text);

} // namespace ParseSupport
