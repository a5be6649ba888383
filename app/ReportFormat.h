#pragma once

#include <string>

#include "app/BookReport.h"

// The two forms of a path's report on standard output.
class ReportFormat {
public:
    // "PATH: MESSAGE", and below it each listed name indented by two spaces.
    static std::string text(const BookReport& report);

    // One JSON object on one line:
    // {"path":…,"code":…,"message":…,"removed":[…],"restored":…}.
    // The path is written as its UTF-16 units: a byte B of a POSIX name that
    // is not UTF-8 is the lone surrogate U+DC00+B there (written "\udcXX", as
    // Python's "surrogateescape" reads it), so every path comes back exact.
    static std::string json(const BookReport& report);

    // A path in the narrow form of the platform, for printing.
    static std::string narrow(const ZUM::PathString& path);

private:
    static std::string jsonString(const ZUM::Utf16String& units);
    static std::string jsonString(const std::string& utf8);
};
