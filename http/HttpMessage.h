#pragma once

#include <cstdint>
#include <memory>

#include "base/LinkList.h"
#include "base/MemBlock.h"
#include "http/HttpHeaderLine.h"

namespace ZUM {

// An HTTP request or response: its head as a list of lines, which it owns, and
// its body bytes.
class HttpMessage : public Object {
public:
    HttpMessage();
    virtual ~HttpMessage();
    HttpMessage(const HttpMessage&) = delete;
    HttpMessage& operator=(const HttpMessage&) = delete;

    // The length the first Content-Length line gives (digits only, anything
    // else 0; a number past the 64-bit range stays at its largest value), with
    // `present` telling whether there is such a line.
    virtual std::uint64_t contentLength(bool& present) const;

    // Parses `text` as a header line and adds it.
    void addHeader(const TStringPtr<char>& text);
    // Adds a line. A continuation's text also goes onto the value of the last
    // header line before it (continuations, request and status lines aside).
    void addLine(std::unique_ptr<HttpHeaderLine> line);

    const LinkList<HttpHeaderLine>& lines() const { return headLines; }
    // The first line of `kind`, or null.
    const HttpHeaderLine* firstOfKind(std::int32_t kind) const;

    const MemBlock& body() const { return *bodyBytes; }
    void appendBody(const u8* bytes, u32 count);

private:
    LinkList<HttpHeaderLine> headLines;
    std::unique_ptr<MemBlock, void (*)(MemBlock*)> bodyBytes;
};

} // namespace ZUM
