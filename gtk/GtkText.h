#pragma once

#include <string>

#include "base/TString.h"

// Text between the library's UTF-16 and GTK's UTF-8.

// For display: a unit that cannot be shown (a surrogate without its partner,
// such as a path byte that is not UTF-8) shows as U+FFFD.
std::string displayText(const ZUM::Utf16String& text);
std::string displayText(const char16_t* text);

// A file name as GTK hands it over (the file system's bytes), as UTF-16.
ZUM::Utf16String fileNameText(const char* fileName);
