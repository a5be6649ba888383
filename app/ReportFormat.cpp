#include "app/ReportFormat.h"

#include <cstdio>

#include "app/TextForm.h"

#include "base/Surrogates.h"
#include "base/Utf8Sequence.h"
#include "file/FileSystem.h"

using namespace ZUM;

namespace {

void appendEscape(Utf8String& out, unsigned unit) {
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\u%04x", unit);
    out.append(escape);
}

} // namespace

std::string ReportFormat::narrow(const PathString& path) {
    Utf8String bytes;
    FileSystem::nativePath(path, bytes);
    return std::string(bytes.data(), bytes.length());
}

std::string ReportFormat::text(const BookReport& report) {
    std::string lines = narrow(report.path) + ": " + report.message + "\n";
    if (report.listNames) {
        for (const std::string& name : report.names) lines += "  " + name + "\n";
    }
    return lines;
}

std::string ReportFormat::jsonString(const std::string& utf8) {
    return jsonString(TextForm::wide(utf8));
}

std::string ReportFormat::jsonString(const Utf16String& units) {
    Utf8String out;
    out.push('"');
    const u32 length = units.length();
    for (u32 i = 0; i < length;) {
        const char32_t c = Surrogates::next(units, length, i);
        if (Surrogates::isSurrogate(c) || c < 0x20) {
            appendEscape(out, c);
            continue;
        }
        if (c == '"' || c == '\\') out.push('\\');
        Utf8Sequence::append(c, out);
    }
    out.push('"');
    return std::string(out.data(), out.length());
}

std::string ReportFormat::json(const BookReport& report) {
    std::string line = "{\"path\":" + jsonString(report.path) +
                       ",\"code\":" + std::to_string(report.code) +
                       ",\"message\":" + jsonString(report.message) + ",\"removed\":[";
    for (std::size_t i = 0; i < report.names.size(); ++i)
        line += (i ? "," : "") + jsonString(report.names[i]);
    return line + "],\"restored\":" + (report.restored ? "true" : "false") + "}\n";
}
