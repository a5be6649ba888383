#pragma once

#include <memory>
#include <string>

#include "encoding/EncodingRegistry.h"
#include "xml/XMLParserSrcUnit.h"

// A UTF-8 test string as UTF-16, the form the reader takes identifiers in.
inline ZUM::Utf16String wide(const std::string& utf8) {
    const ZUM::Utf8String bytes(utf8.data(), static_cast<ZUM::u32>(utf8.size()));
    ZUM::Utf16String text;
    ZUM::convertToUtf16String(ZUM::Utf8N, ZUM::Utf16N, &bytes, text);
    return text;
}

// The text of a unit the reader made (taken over) in UTF-8, "<null>" for none.
inline std::string textOf(ZUM::XMLParserSrcUnit* unit) {
    std::unique_ptr<ZUM::XMLParserSrcUnit> owned(unit);
    if (!owned) return "<null>";
    ZUM::Utf8String bytes;
    ZUM::convertFromUtf16String(ZUM::Utf16N, ZUM::Utf8N, owned->text, bytes);
    return std::string(bytes.data(), bytes.length());
}
