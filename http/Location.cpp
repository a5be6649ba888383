#include "http/Location.h"

#include <cstring>

#include "file/FileSystem.h"

namespace ZUM {

namespace {

bool startsWith(const char* text, u32 length, const char* prefix) {
    const u32 n = static_cast<u32>(std::strlen(prefix));
    return length >= n && std::memcmp(text, prefix, n) == 0;
}

} // namespace

void Location::split(const TStringPtr<char>& text) {
    kind = Plain;
    whole.assign(text);
    port = 0;
    host.clear();
    data.clear();
    const char* p = whole.data();
    const u32 n = whole.length();
    if (startsWith(p, n, "javascript:")) {
        kind = JavaScript;
        data.assign(p + 11, n - 11);
    } else if (startsWith(p, n, "http://")) {
        kind = Http;
        port = 80;
        const char* rest = p + 7;
        const char* end = p + n;
        const char* slash = static_cast<const char*>(std::memchr(rest, '/', end - rest));
        if (!slash) {
            host.assign(rest, static_cast<u32>(end - rest));
            return;
        }
        const char* colon = static_cast<const char*>(std::memchr(rest, ':', slash - rest));
        const char* pathStart = slash;
        if (colon) {
            host.assign(rest, static_cast<u32>(colon - rest));
            const char* digits = colon + 1;
            if (digits < end && *digits >= '0' && *digits <= '9') {
                port = 0;
                for (; digits < end && *digits >= '0' && *digits <= '9'; ++digits) {
                    if (port < 100000) port = port * 10 + (*digits - '0'); // no overflow
                }
            }
            pathStart = digits;
        } else {
            host.assign(rest, static_cast<u32>(slash - rest));
        }
        data.assign(pathStart, static_cast<u32>(end - pathStart));
    } else if (startsWith(p, n, "file:") || startsWith(p, n, "debug:")) {
        kind = p[0] == 'f' ? File : Debug;
        u32 i = kind == File ? 5 : 6;
        // POSIX paths keep one leading "/": "file:///home/book" is "/home/book";
        // Windows paths keep none: "file:///c|/book" is "c:\book".
        const char separator = static_cast<char>(FileSystem::Separator);
        while (i < n && p[i] == '/' && (separator != '/' || (i + 1 < n && p[i + 1] == '/'))) ++i;
        for (; i < n; ++i) data.push(p[i] == '|' ? ':' : p[i] == '/' ? separator : p[i]);
    } else {
        data.assign(whole);
    }
}

} // namespace ZUM
