#pragma once

#include "http/HttpMessage.h"

namespace ZUM {

// A response as read: its status line first, then its header lines.
class HttpResponse : public HttpMessage {
public:
    // The status line's code when it is a known one, else 0.
    std::int32_t statusCode() const;
    bool isSuccess() const;
};

} // namespace ZUM
