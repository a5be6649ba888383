#include "http/Location.h"

#include <gtest/gtest.h>

#include <string>

#include "file/FileSystem.h"

using namespace ZUM;

namespace {

const bool Windows = FileSystem::Separator == '\\';

struct Case {
    const char* text;
    Location::Kind kind;
    int port;
    const char* host;
    const char* data;
};

std::string of(const Utf8String& text) {
    return std::string(text.data(), text.length());
}

} // namespace

TEST(Location, SplitsEachKind) {
    const Case cases[] = {
        {"books/ncc.html", Location::Plain, 0, "", "books/ncc.html"},
        {"http://example.org/a/b.html", Location::Http, 80, "example.org", "/a/b.html"},
        {"http://example.org:8080/x", Location::Http, 8080, "example.org", "/x"},
        {"http://example.org:8080", Location::Http, 80, "example.org:8080", ""},
        {"http://host:/x", Location::Http, 80, "host", "/x"},
        {"file:///home/book/ncc.html", Location::File, 0, "",
         Windows ? "home\\book\\ncc.html" : "/home/book/ncc.html"},
        {"file:///c|/book", Location::File, 0, "", Windows ? "c:\\book" : "/c:/book"},
        {"file:c|/book", Location::File, 0, "", Windows ? "c:\\book" : "c:/book"},
        {"debug:/x", Location::Debug, 0, "", Windows ? "x" : "/x"},
        {"javascript:alert(1)", Location::JavaScript, 0, "", "alert(1)"},
        {"http://h:99999999999999/p", Location::Http, 999999, "h", "/p"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Location location;
        location.split(Utf8String(c.text));
        EXPECT_EQ(location.kind, c.kind);
        EXPECT_EQ(of(location.host), c.host);
        EXPECT_EQ(of(location.data), c.data);
        EXPECT_EQ(location.port, c.port); // a long port number stops growing, never overflows
        EXPECT_EQ(of(location.whole), c.text);
    }
}
