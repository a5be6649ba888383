#pragma once

#include <memory>

#include "base/TString.h"

namespace ZUM {

// One line of an HTTP message head, exactly as sent or received, with what was
// parsed from it. A line that does not parse keeps kind Unparsed or null fields;
// it never fails the message.
class HttpHeaderLine : public Object {
public:
    enum Kind : std::int32_t {
        Unparsed = 0, // a header line without a colon
        Unlisted = 2, // a header whose name is not in the table below
        Continuation = 3,
        RequestLine = 4,
        StatusLine = 5,
        // Headers of listed names, numbered in the table's order from 6 to 54.
        FirstListed = 6,
        TransferEncoding = 11,
        Host = 22,
        ContentLength = 46,
        LastListed = 54,
    };
    enum Method : std::int32_t { Options, Get, Head, Post, Put, Delete, Trace, Connect, NoMethod };

    // A header line: "Name: value\r\n", or a continuation beginning with white space.
    static std::unique_ptr<HttpHeaderLine> header(const TStringPtr<char>& text);
    // "METHOD target version\r\n".
    static std::unique_ptr<HttpHeaderLine> request(const TStringPtr<char>& text);
    // "version code reason\r\n".
    static std::unique_ptr<HttpHeaderLine> status(const TStringPtr<char>& text);

    Utf8String raw; // line end included
    // Header: name and value (null without "\r\n"). Continuation: its leading
    // white space and its text. Request line: target and protocol version.
    // Status line: protocol version and reason phrase.
    std::unique_ptr<Utf8String> first;
    std::unique_ptr<Utf8String> second;
    std::int32_t kind = Unparsed;
    std::int32_t method = NoMethod;
    std::int32_t statusCode = 0; // a status line's code when it is a known one

private:
    explicit HttpHeaderLine(const TStringPtr<char>& text) : raw(text) {}
    void parseHeader();
    void parseRequest();
    void parseStatus();
};

} // namespace ZUM
