#include "http/HttpRequest.h"

namespace ZUM {

void HttpRequest::setRequestLine(const TStringPtr<char>& text) {
    std::unique_ptr<HttpHeaderLine> parsed = HttpHeaderLine::request(text);
    line = parsed.get();
    addLine(std::move(parsed));
}

HttpHeaderLine::Method HttpRequest::method() const {
    return line ? static_cast<HttpHeaderLine::Method>(line->method) : HttpHeaderLine::NoMethod;
}

std::uint64_t HttpRequest::contentLength(bool& present) const {
    present = line != nullptr;
    switch (method()) {
    case HttpHeaderLine::Options: {
        bool given;
        return HttpMessage::contentLength(given);
    }
    case HttpHeaderLine::Post:
    case HttpHeaderLine::Put: return HttpMessage::contentLength(present);
    default: return 0;
    }
}

} // namespace ZUM
