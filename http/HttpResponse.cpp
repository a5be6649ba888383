#include "http/HttpResponse.h"

namespace ZUM {

std::int32_t HttpResponse::statusCode() const {
    const HttpHeaderLine* line = firstOfKind(HttpHeaderLine::StatusLine);
    return line ? line->statusCode : 0;
}

bool HttpResponse::isSuccess() const {
    const std::int32_t code = statusCode();
    return code >= 200 && code <= 299;
}

} // namespace ZUM
