#pragma once

#include <cstdint>
#include <memory>

#include "base/TString.h"

namespace ZUM {

class HttpRequest;
class HttpResponse;
class Location;

// The settings of an HTTP exchange (a proxy, a time-out) and the exchange itself.
class HttpFetch : public Object {
public:
    enum Status : std::int32_t {
        Fetched = 0,
        NotHttp = 1, // not an "http://" location, or one that would split the request
        NoConnection = 2,
        NoResponseHead = 3, // the reply ended, or passed the head's bounds, before its head did
        ExchangeFailed = 4, // an IOException while sending or reading, the body's bounds included
    };

    // A stored body may not pass this many bytes.
    static constexpr u32 BodyLimit = 256u << 20;
    // A response head may not pass this many bytes or lines.
    static constexpr u32 HeadLimit = 1u << 20;
    static constexpr u32 HeadLineLimit = 1000;
    // A consumer takes the body in blocks of at most this many bytes.
    static constexpr u32 BodyBlock = 1u << 20;

    // Takes a body as it arrives instead of the response storing it.
    class BodyConsumer {
    public:
        virtual ~BodyConsumer() = default;
        virtual void consume(const u8* bytes, u32 count) = 0;
    };

    HttpFetch() = default;
    virtual ~HttpFetch();

    // Sends requests through `host` at `port`; a null host or port 0 goes direct.
    void setProxy(const char* host, std::int32_t port);
    bool usesProxy() const { return proxyHost && proxyPort != 0; }
    // Limits connecting and each wait for the server; 0 waits without limit.
    void setTimeout(std::int32_t seconds) { timeoutSeconds = seconds; }

    // The request target for `location`: through a proxy the whole location,
    // directly its path ("/" when it has none).
    Utf8String requestTarget(const Location& location) const;

    // Sends `request` for `location` and reads the reply: a new response for the
    // caller, or null with `status` saying why. Whatever the reply's own status
    // code, a complete reply is a success. A Host line goes out after the request
    // line unless the request has one. With a consumer, the body goes to it and
    // the response's body stays empty.
    HttpResponse* fetch(const Location& location, const HttpRequest& request, std::int32_t& status,
                        BodyConsumer* consumer = nullptr) const;

private:
    std::unique_ptr<Utf8String> proxyHost;
    std::int32_t proxyPort = 0;
    std::int32_t timeoutSeconds = 10;
};

} // namespace ZUM
