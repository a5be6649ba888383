#pragma once

#include <string>

#include "base/TString.h"

// The application's text between its two forms: UTF-8 for literals, names and
// lines, UTF-16 for the document tree.
class TextForm {
public:
    static ZUM::Utf16String wide(const std::string& utf8);
    static std::string utf8(const ZUM::Utf16String& text);
};
