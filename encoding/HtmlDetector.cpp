#include "encoding/HtmlDetector.h"

#include <cstring>
#include <string>

#include "base/Conveyer.h"
#include "base/Exception.h"
#include "base/MemOFlow.h"
#include "encoding/EncodingRegistry.h"

namespace ZUM {

namespace {

// One pass over the document text looking for the charset of a META element.
class HtmlScan {
public:
    explicit HtmlScan(const char* text) : p(text) {}

    int run() {
        while (*p) {
            if (skip("<?"))
                passAfter("?>");
            else if (skip("<!--"))
                passAfter("-->");
            else if (skip("</"))
                endTag();
            else if (skip("<"))
                startTag();
            else if (skip("&"))
                passAfter(";");
            else
                ++p;
        }
        return found;
    }

private:
    const char* p;
    bool insideHtml = false;
    bool insideHead = false;
    int found = 0;

    // Tokens are upper case; a lower-case letter of the text matches its capital.
    static bool matchesAt(const char* text, const char* token) {
        for (; *token; ++text, ++token) {
            char c = *text;
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
            if (c != *token) return false;
        }
        return true;
    }

    bool skip(const char* token) {
        if (!matchesAt(p, token)) return false;
        p += std::strlen(token);
        return true;
    }

    void passAfter(const char* token) {
        const char* at = std::strstr(p, token);
        p = at ? at + std::strlen(token) : p + std::strlen(p);
    }

    std::string takeUntil(char end) {
        const char* at = std::strchr(p, end);
        const char* stop = at ? at : p + std::strlen(p);
        std::string taken(p, stop);
        p = at ? at + 1 : stop;
        return taken;
    }

    void endTag() {
        const std::string name = takeUntil('>');
        if (matchesAt(name.c_str(), "HTML"))
            insideHtml = false;
        else if (matchesAt(name.c_str(), "HEAD"))
            insideHead = false;
    }

    void startTag() {
        std::string name;
        bool ended = false;
        bool selfClosing = false;
        while (*p && !ended) {
            if (*p == ' ' || *p == '\r' || *p == '\n') {
                ++p;
                break;
            }
            if (skip("/>"))
                ended = selfClosing = true;
            else if (skip(">"))
                ended = true;
            else
                name += *p++;
        }
        bool contentType = false;
        std::string content;
        while (*p && !ended) {
            if (skip("/>"))
                ended = selfClosing = true;
            else if (skip(">"))
                ended = true;
            else if (skip("HTTP-EQUIV=\"CONTENT-TYPE\""))
                contentType = true;
            else if (skip("CONTENT=\""))
                content = takeUntil('"');
            else
                ++p;
        }
        if (matchesAt(name.c_str(), "HTML")) {
            if (!selfClosing) insideHtml = true;
        } else if (matchesAt(name.c_str(), "HEAD")) {
            if (!selfClosing) insideHead = true;
        } else if (matchesAt(name.c_str(), "META") && insideHtml && insideHead && contentType) {
            found = charsetOf(content);
        }
    }

    static int charsetOf(const std::string& content) {
        const char* v = content.c_str();
        if (matchesAt(v, "TEXT/HTML;")) {
            v += 10;
            while (*v == ' ') ++v;
        }
        if (matchesAt(v, "CHARSET=")) v += 8;
        const char* paren = std::strchr(v, '(');
        const std::string charset = paren ? std::string(v, paren) : std::string(v);
        return encodingIdOf(charset.c_str());
    }
};

} // namespace

int HtmlDetector::detect(IFlow* input) {
    if (!(input->unitWidths() & Width8)) return 0;
    MemOFlow copy;
    try {
        Conveyer(input, &copy).pumpBytes();
    } catch (const IOException&) {
    }
    std::string text(reinterpret_cast<const char*>(copy.memBlock()->data), copy.memBlock()->size);
    return HtmlScan(text.c_str()).run();
}

} // namespace ZUM
