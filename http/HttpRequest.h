#pragma once

#include "http/HttpMessage.h"

namespace ZUM {

class HttpRequest : public HttpMessage {
public:
    // Parses `text` as the request line, adds it and remembers it.
    void setRequestLine(const TStringPtr<char>& text);
    const HttpHeaderLine* requestLine() const { return line; }
    HttpHeaderLine::Method method() const;

    // The method decides: OPTIONS takes the header and counts as present without
    // one, POST and PUT take the header, the others have no body (present, 0). A
    // request without a request line has no length.
    std::uint64_t contentLength(bool& present) const override;

private:
    const HttpHeaderLine* line = nullptr;
};

} // namespace ZUM
