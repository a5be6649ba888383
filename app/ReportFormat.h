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
    // The path is read back as the program reads paths (FileSystem::widePath)
    // and written as those UTF-16 units: a byte B of a POSIX name that is not
    // UTF-8 becomes the lone surrogate U+DC00+B (written "\udcXX", as
    // Python's "surrogateescape" reads it), so every path comes back exact.
    static std::string json(const BookReport& report);

private:
    static std::string jsonString(const std::string& narrow);
};
