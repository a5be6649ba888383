#pragma once

#include <string>
#include <vector>

#include "app/RepairJob.h"
#include "encoding/EncodingRegistry.h"
#include "tests/Scratch.h"

// What the repair tests share, on every platform.
namespace repair {

inline const std::string Declaration = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
inline const std::string Bom = "\xEF\xBB\xBF";

inline std::string book(const std::string& head, const std::string& body = "<h1>t</h1>") {
    return Declaration + "<html><head>" + head + "</head><body>" + body + "</body></html>";
}

// UTF-16LE with its mark: the ASCII `before` and `after` around raw `units`.
inline std::string utf16le(const std::string& before, const std::string& units,
                           const std::string& after) {
    std::string out("\xFF\xFE", 2);
    for (char c : before) out += std::string(1, c) + '\0';
    out += units;
    for (char c : after) out += std::string(1, c) + '\0';
    return out;
}

inline ZUM::PathString pathOf(const std::string& utf8) {
    const ZUM::Utf8String bytes(utf8.data(), static_cast<ZUM::u32>(utf8.size()));
    ZUM::PathString path;
    ZUM::convertToUtf16String(ZUM::Utf8N, ZUM::Utf16N, &bytes, path);
    return path;
}

class Repair : public Scratch {
protected:
    ResultCode repair(const std::string& name = "ncc.html") {
        RepairJob job(pathOf(path(name)));
        ResultCode code = job.run();
        removed = job.removedNames;
        return code;
    }
    // A book whose backup is a directory with a subdirectory, beside
    // "outside/keep" for a link in the backup to point to. The book's text.
    std::string bookWithBackupDirectory() {
        const std::string original = book("<meta name=\"vorka:a\"/>");
        write("ncc.html", original);
        makeDirectory("outside");
        write("outside/keep", "precious");
        makeDirectory("ncc.html.old");
        makeDirectory("ncc.html.old/sub");
        write("ncc.html.old/sub/f", "x");
        return original;
    }
    // The repaired file without its byte-order mark.
    std::string repaired(const std::string& name = "ncc.html") {
        const std::string bytes = read(name);
        EXPECT_EQ(bytes.substr(0, 3), Bom);
        return bytes.substr(3);
    }
    std::vector<std::string> removed;
};

} // namespace repair
