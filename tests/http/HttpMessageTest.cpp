#include "http/HttpRequest.h"
#include "http/HttpResponse.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace ZUM;

namespace {

const char* const Null = "<null>";

std::string of(const std::unique_ptr<Utf8String>& text) {
    return text ? std::string(text->data(), text->length()) : Null;
}

} // namespace

// The number is the method of a request line, the code of a status line.
TEST(HttpHeaderLine, ParsesEachForm) {
    using L = HttpHeaderLine;
    const struct {
        char form; // 'h' header, 'r' request line, 's' status line
        const char* text;
        std::int32_t kind;
        const char* first;
        const char* second;
        std::int32_t number;
    } cases[] = {
        {'h', "content-LENGTH:\t 7\r\n", L::ContentLength, "content-LENGTH", "7", 0},
        {'h', "Cache-Control: no\r\n", 6, "Cache-Control", "no", 0},
        {'h', "Set-Cookie: a=b\r\n", 54, "Set-Cookie", "a=b", 0},
        {'h', "X-Mine:\r\n", L::Unlisted, "X-Mine", "", 0},
        {'h', "Host: h\n", L::Host, "Host", Null, 0}, // no "\r\n", no value
        {'h', "no colon\r\n", L::Unparsed, Null, Null, 0},
        {'h', "\t folded\r\n", L::Continuation, "\t ", "folded", 0},
        {'r', "GET /a HTTP/1.1\r\n", L::RequestLine, "/a", "HTTP/1.1", L::Get},
        {'r', "OPTIONS  *  HTTP/1.1\r\n", L::RequestLine, "*", "HTTP/1.1", L::Options},
        {'r', "get /a HTTP/1.1\r\n", L::RequestLine, "get", "/a HTTP/1.1", L::NoMethod},
        {'r', "HEAD\r\n", L::RequestLine, Null, Null, L::Head},
        {'s', "HTTP/1.0 404 Not Found\r\n", L::StatusLine, "HTTP/1.0", "Not Found", 404},
        {'s', "HTTP/1.1 307 Temporary Redirect\r\n", L::StatusLine, "HTTP/1.1",
         "Temporary Redirect", 307},
        {'s', "HTTP/1.1 204\r\n", L::StatusLine, "HTTP/1.1", "", 204},
        {'s', "HTTP/1.1 299 Odd\r\n", L::StatusLine, "HTTP/1.1", "Odd", 0},
        {'s', "HTTP/1.1 4294967496 X\r\n", L::StatusLine, "HTTP/1.1", "X", 0}, // 200 modulo 2^32
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const Utf8String text(c.text);
        const auto line = c.form == 'h'   ? L::header(text)
                          : c.form == 'r' ? L::request(text)
                                          : L::status(text);
        EXPECT_EQ(line->kind, c.kind);
        EXPECT_EQ(of(line->first), c.first);
        EXPECT_EQ(of(line->second), c.second);
        EXPECT_EQ(c.form == 'r' ? line->method : line->statusCode, c.number);
        EXPECT_TRUE(line->raw == c.text);
    }
}

TEST(HttpMessage, ContinuationsExtendTheLastHeaderValue) {
    HttpResponse response;
    response.addLine(HttpHeaderLine::status(Utf8String("HTTP/1.1 200 OK\r\n")));
    for (const char* line :
         {"  nothing takes this\r\n", "X-Long: first\r\n", "\tsecond\r\n", " third\r\n"})
        response.addHeader(Utf8String(line));
    EXPECT_EQ(response.lines().count(), 5);
    EXPECT_EQ(of(response.firstOfKind(HttpHeaderLine::Unlisted)->second), "firstsecondthird");
    EXPECT_TRUE(response.isSuccess());
}

TEST(HttpMessage, ContentLengthFollowsTheHeaderAndTheMethod) {
    const struct {
        const char* requestLine; // null: none
        const char* length;      // null: no Content-Length line
        bool present;
        std::uint64_t value;
    } cases[] = {
        {"POST / HTTP/1.1\r\n", "42", true, 42},
        {"PUT / HTTP/1.1\r\n", nullptr, false, 0},
        {"OPTIONS * HTTP/1.1\r\n", nullptr, true, 0},
        {"OPTIONS * HTTP/1.1\r\n", "5", true, 5},
        {"GET / HTTP/1.1\r\n", "42", true, 0},
        {nullptr, "42", false, 0},
        {"POST / HTTP/1.1\r\n", "4x", true, 0},
        {"POST / HTTP/1.1\r\n", "99999999999999999999999", true, UINT64_MAX}, // never wraps
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.requestLine ? c.requestLine : "-") +
                     (c.length ? c.length : "-"));
        HttpRequest request;
        if (c.requestLine) request.setRequestLine(Utf8String(c.requestLine));
        if (c.length)
            request.addHeader(
                Utf8String(("Content-Length: " + std::string(c.length) + "\r\n").c_str()));
        bool present = !c.present;
        EXPECT_EQ(request.contentLength(present), c.value);
        EXPECT_EQ(present, c.present);
    }
}
