#include "http/HttpHeaderLine.h"

#include <string_view>

namespace ZUM {

namespace {

// The header names of the listed kinds, in kind order.
// clang-format off
constexpr std::string_view ListedNames[] = {
    "Cache-Control", "Connection", "Date", "Pragma", "Trailer", "Transfer-Encoding", "Upgrade",
    "Via", "Warning", "Accept", "Accept-Charset", "Accept-Encoding", "Accept-Language",
    "Authorization", "Expect", "From", "Host", "If-Match", "If-Modified-Since", "If-None-Match",
    "If-Range", "If-Unmodified-Since", "Max-Forwards", "Proxy-Authorization", "Range", "Referer",
    "TE", "User-Agent", "Accept-Ranges", "Age", "ETag", "Location", "Proxy-Authenticate",
    "Retry-After", "Server", "Vary", "WWW-Authenticate", "Allow", "Content-Encoding",
    "Content-Language", "Content-Length", "Content-Location", "Content-MD5", "Content-Range",
    "Content-Type", "Expires", "Last-Modified", "Cookie", "Set-Cookie"
};
// clang-format on

constexpr std::int32_t ListedCount = sizeof ListedNames / sizeof ListedNames[0];
static_assert(HttpHeaderLine::FirstListed + ListedCount - 1 == HttpHeaderLine::LastListed);

constexpr bool isListedAs(std::int32_t kind, std::string_view name) {
    return ListedNames[kind - HttpHeaderLine::FirstListed] == name;
}
static_assert(isListedAs(HttpHeaderLine::TransferEncoding, "Transfer-Encoding"));
static_assert(isListedAs(HttpHeaderLine::Host, "Host"));
static_assert(isListedAs(HttpHeaderLine::ContentLength, "Content-Length"));

// Tried in this order; the first that begins the line wins.
constexpr std::string_view MethodNames[] = {"OPTIONS", "GET",    "HEAD",  "POST",
                                            "PUT",     "DELETE", "TRACE", "CONNECT"};

// The codes of HTTP/1.1's status table; any other code is recorded as 0.
bool isKnownStatus(std::int32_t code) {
    return code == 100 || code == 101 || (code >= 200 && code <= 206) ||
           (code >= 300 && code <= 305) || code == 307 || (code >= 400 && code <= 417) ||
           (code >= 500 && code <= 505);
}

// A cursor over the bytes of one line.
class Scanner {
public:
    explicit Scanner(const Utf8String& text) : rest(text.data(), text.length()) {}

    // Passes over the bytes in `set` and answers them.
    std::string_view skipAll(std::string_view set) { return take(spanOf(set, true)); }
    // Passes over the bytes up to the first in `set`, and answers them.
    std::string_view skipAllBut(std::string_view set) { return take(spanOf(set, false)); }
    bool skipLiteral(std::string_view literal) {
        if (!rest.starts_with(literal)) return false;
        rest.remove_prefix(literal.size());
        return true;
    }
    // The text up to `delimiter`, which is passed over too; null, with nothing
    // passed, when it does not follow.
    std::unique_ptr<Utf8String> takeUntil(std::string_view delimiter) {
        const std::size_t at = rest.find(delimiter);
        if (at == std::string_view::npos) return nullptr;
        auto text = copyOf(take(at));
        rest.remove_prefix(delimiter.size());
        return text;
    }

    static std::unique_ptr<Utf8String> copyOf(std::string_view text) {
        return std::make_unique<Utf8String>(text.data(), static_cast<u32>(text.size()));
    }

private:
    std::size_t spanOf(std::string_view set, bool inSet) const {
        std::size_t n = 0;
        while (n < rest.size() && (set.find(rest[n]) != std::string_view::npos) == inSet) ++n;
        return n;
    }
    std::string_view take(std::size_t n) {
        const std::string_view taken = rest.substr(0, n);
        rest.remove_prefix(n);
        return taken;
    }

    std::string_view rest;
};

// The value of one to three decimal digits; 0 for anything else.
std::int32_t statusValue(std::string_view digits) {
    if (digits.empty() || digits.size() > 3) return 0;
    std::int32_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::unique_ptr<HttpHeaderLine> HttpHeaderLine::header(const TStringPtr<char>& text) {
    std::unique_ptr<HttpHeaderLine> line(new HttpHeaderLine(text));
    line->parseHeader();
    return line;
}

std::unique_ptr<HttpHeaderLine> HttpHeaderLine::request(const TStringPtr<char>& text) {
    std::unique_ptr<HttpHeaderLine> line(new HttpHeaderLine(text));
    line->parseRequest();
    return line;
}

std::unique_ptr<HttpHeaderLine> HttpHeaderLine::status(const TStringPtr<char>& text) {
    std::unique_ptr<HttpHeaderLine> line(new HttpHeaderLine(text));
    line->parseStatus();
    return line;
}

void HttpHeaderLine::parseHeader() {
    Scanner scan(raw);
    const std::string_view blank = scan.skipAll(" \t");
    if (!blank.empty()) {
        kind = Continuation;
        first = Scanner::copyOf(blank);
    } else {
        first = scan.takeUntil(":");
        if (!first) return;
        kind = Unlisted;
        for (std::int32_t k = 0; k < ListedCount && kind == Unlisted; ++k) {
            if (first->compareIgnoreCase(ListedNames[k].data()) == 0) kind = FirstListed + k;
        }
        scan.skipAll(" \t");
    }
    second = scan.takeUntil("\r\n");
}

void HttpHeaderLine::parseRequest() {
    kind = RequestLine;
    Scanner scan(raw);
    for (std::int32_t m = Options; m < NoMethod && method == NoMethod; ++m) {
        if (scan.skipLiteral(MethodNames[m])) method = m;
    }
    scan.skipAll(" ");
    first = scan.takeUntil(" ");
    if (!first) return;
    scan.skipAll(" ");
    second = scan.takeUntil("\r\n");
}

// The code ends at a space or at the line end, so that a status line without
// a reason phrase keeps its code.
void HttpHeaderLine::parseStatus() {
    kind = StatusLine;
    Scanner scan(raw);
    first = scan.takeUntil(" ");
    if (!first) return;
    const std::int32_t code = statusValue(scan.skipAllBut(" \r\n"));
    statusCode = isKnownStatus(code) ? code : 0;
    scan.skipLiteral(" ");
    second = scan.takeUntil("\r\n");
}

} // namespace ZUM
