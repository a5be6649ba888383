#pragma once

#include <string>

#include "base/StringOFlow.h"
#include "base/TString.h"
#include "xml/Node.h"
#include "xml/XMLOutputter.h"

// Test helpers: documents are built and compared in ASCII, with other units
// shown as \uXXXX so that failures read plainly.
namespace domtext {

inline ZUM::Utf16String utf16(const std::string& ascii) {
    ZUM::Utf16String text;
    for (unsigned char c : ascii) text.push(c);
    return text;
}

inline std::string ascii(const ZUM::Utf16String& text) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (ZUM::u32 i = 0; i < text.length(); ++i) {
        ZUM::u16 unit = text[i];
        if ((unit >= 0x20 && unit < 0x7F) || unit == '\n') {
            out += char(unit);
            continue;
        }
        out += "\\u";
        for (int shift = 12; shift >= 0; shift -= 4) out += hex[(unit >> shift) & 0xF];
    }
    return out;
}

// Strings grow to the exact size, which costs a copy per write under the
// sanitizer's allocator; a large output reserves its room first.
inline std::string serialise(ZUM::Node& node, ZUM::u32 flags = ZUM::XMLOutputter::RestoreReferences,
                             ZUM::u32 reserve = 0) {
    ZUM::Utf16String text;
    text.reserve(reserve);
    ZUM::StringOFlow<ZUM::u16> flow(&text);
    ZUM::XMLOutputter out(&flow, flags);
    node.output(out);
    return ascii(text);
}

} // namespace domtext
