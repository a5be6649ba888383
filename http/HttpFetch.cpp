#include "http/HttpFetch.h"

#include <algorithm>
#include <string>

#include "base/Exception.h"
#include "base/Iterator.h"
#include "base/TextReader.h"
#include "http/HttpRequest.h"
#include "http/HttpResponse.h"
#include "http/Location.h"
#include "http/SocketIOFlow.h"

namespace ZUM {

namespace {

// A chunk-size line is a number and perhaps extensions; a longer one is no chunk line.
constexpr u32 ChunkLineLimit = 4096;

// Spaces and control bytes in a location would end the request line early or
// start header lines of their own.
bool isSafeInRequest(const Utf8String& text) {
    for (u32 i = 0; i < text.length(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte <= 0x20 || byte == 0x7F) return false;
    }
    return true;
}

Utf8String hostLine(const Location& location) {
    Utf8String host(location.host);
    Utf8String line;
    if (location.port == 80) {
        line.format("Host: %s\r\n", host.terminate());
    } else {
        line.format("Host: %s:%d\r\n", host.terminate(), location.port);
    }
    return line;
}

// The head goes out in one piece, so that it is not split into small segments.
void sendRequest(OFlow& out, const HttpRequest& request, const Location& location) {
    const bool addHost = !request.firstOfKind(HttpHeaderLine::Host);
    Utf8String head;
    std::unique_ptr<Iterator<HttpHeaderLine>> lines(request.lines().iterator());
    for (HttpHeaderLine* line = lines->next(); line; line = lines->next()) {
        head.append(line->raw);
        if (line == request.requestLine() && addHost) head.append(hostLine(location));
    }
    head.append("\r\n");
    out.writeString8(head);
    const MemBlock& body = request.body();
    u32 written;
    out.write8Many(body.size, body.data, written);
}

// The next line with its "\n" (the last may lack it), or null at the end of
// input. Each byte is charged to `budget`; a line that would overdraw it
// raises IOException TooLarge.
std::unique_ptr<Utf8String> readLine(TextReader<char>& in, u32& budget) {
    std::string line;
    try {
        do {
            if (budget == 0) ZUM_THROW_IO(IOException::TooLarge);
            --budget;
            line.push_back(in.readUnit());
        } while (line.back() != '\n');
    } catch (const IOException& e) {
        if (e.code != IOException::EndOfInput) throw;
        if (line.empty()) return nullptr;
    }
    return std::make_unique<Utf8String>(line.data(), static_cast<u32>(line.size()));
}

std::unique_ptr<HttpResponse> readHeadLines(TextReader<char>& in) {
    u32 budget = HttpFetch::HeadLimit;
    std::unique_ptr<Utf8String> line = readLine(in, budget);
    if (!line) return nullptr;
    auto response = std::make_unique<HttpResponse>();
    response->addLine(HttpHeaderLine::status(*line));
    for (u32 count = 0;; ++count) {
        line = readLine(in, budget);
        if (!line) return nullptr;
        if (*line == "\r\n") return response;
        if (count == HttpFetch::HeadLineLimit) return nullptr;
        response->addHeader(*line);
    }
}

// The response head, or null when the input ends before it does or it passes
// its bounds.
std::unique_ptr<HttpResponse> readHead(TextReader<char>& in) {
    try {
        return readHeadLines(in);
    } catch (const IOException& e) {
        if (e.code != IOException::TooLarge) throw;
        return nullptr;
    }
}

// Where a body goes as it arrives: in blocks to the consumer, or onto the
// response under the body bound. A size the peer announces is only ever
// compared with that bound, never allocated.
class BodySink {
public:
    BodySink(HttpResponse& response, HttpFetch::BodyConsumer* consumer)
        : response(response), consumer(consumer) {}

    void read(TextReader<char>& in, std::uint64_t count) {
        if (!consumer && count > HttpFetch::BodyLimit - (stored + filled))
            ZUM_THROW_IO(IOException::TooLarge);
        if (!block) block = std::make_unique<u8[]>(HttpFetch::BodyBlock);
        while (count > 0) {
            if (filled == HttpFetch::BodyBlock) pass();
            const u32 n =
                static_cast<u32>(std::min<std::uint64_t>(count, HttpFetch::BodyBlock - filled));
            u32 got;
            in.readUnits(n, reinterpret_cast<char*>(block.get() + filled), got);
            filled += n;
            count -= n;
        }
    }

    void pass() {
        if (filled == 0) return;
        if (consumer) {
            consumer->consume(block.get(), filled);
        } else {
            response.appendBody(block.get(), filled);
        }
        stored += filled;
        filled = 0;
    }

private:
    HttpResponse& response;
    HttpFetch::BodyConsumer* consumer;
    std::unique_ptr<u8[]> block;
    u32 filled = 0;
    std::uint64_t stored = 0;
};

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The size a chunk line announces: hexadecimal digits, then perhaps white space
// and extensions after ";", then the line end. Anything else is not a chunk
// line, and a size past 64 bits is too large.
std::uint64_t chunkSize(const Utf8String& line) {
    std::string_view text(line.data(), line.length());
    std::uint64_t size = 0;
    std::size_t digits = 0;
    for (int value; digits < text.size() && (value = hexValue(text[digits])) >= 0; ++digits) {
        if (size > UINT64_MAX >> 4) ZUM_THROW_IO(IOException::TooLarge);
        size = size << 4 | static_cast<unsigned>(value);
    }
    text.remove_prefix(digits);
    text.remove_prefix(std::min(text.find_first_not_of(" \t"), text.size()));
    if (digits == 0 || !(text.starts_with(';') || text == "\r\n" || text == "\n"))
        ZUM_THROW_IO(IOException::Malformed);
    return size;
}

void readChunks(TextReader<char>& in, BodySink& sink) {
    for (;;) {
        u32 budget = ChunkLineLimit;
        std::unique_ptr<Utf8String> line = readLine(in, budget);
        if (line && *line == "\r\n") { // the end of the chunk before
            budget = ChunkLineLimit;
            line = readLine(in, budget);
        }
        if (!line) ZUM_THROW_IO(IOException::EndOfInput);
        const std::uint64_t size = chunkSize(*line);
        if (size == 0) return;
        sink.read(in, size);
    }
}

void readBody(TextReader<char>& in, HttpResponse& response, HttpFetch::BodyConsumer* consumer) {
    BodySink sink(response, consumer);
    bool present;
    const std::uint64_t length = response.contentLength(present);
    const HttpHeaderLine* coding = response.firstOfKind(HttpHeaderLine::TransferEncoding);
    if (present && length > 0) {
        sink.read(in, length);
    } else if (coding && coding->second && *coding->second == "chunked") {
        readChunks(in, sink);
    }
    sink.pass();
}

} // namespace

HttpFetch::~HttpFetch() = default;

void HttpFetch::setProxy(const char* host, std::int32_t port) {
    proxyHost.reset(host ? new Utf8String(host) : nullptr);
    proxyPort = port;
}

Utf8String HttpFetch::requestTarget(const Location& location) const {
    if (usesProxy()) return location.whole;
    return location.data.length() ? location.data : Utf8String("/");
}

HttpResponse* HttpFetch::fetch(const Location& location, const HttpRequest& request,
                               std::int32_t& status, BodyConsumer* consumer) const {
    if (location.kind != Location::Http || !isSafeInRequest(location.whole)) {
        status = NotHttp;
        return nullptr;
    }
    SocketIOFlow socket(timeoutSeconds);
    Utf8String host(usesProxy() ? *proxyHost : location.host);
    if (!socket.connect(usesProxy() ? proxyPort : location.port, host.terminate())) {
        status = NoConnection;
        return nullptr;
    }
    try {
        sendRequest(socket, request, location);
        TextReader<char> in(&socket);
        std::unique_ptr<HttpResponse> response = readHead(in);
        if (!response) {
            status = NoResponseHead;
            return nullptr;
        }
        // A reply to HEAD has no body, whatever its head announces.
        if (request.method() != HttpHeaderLine::Head) readBody(in, *response, consumer);
        status = Fetched;
        return response.release();
    } catch (const IOException&) {
        status = ExchangeFailed;
        return nullptr;
    }
}

} // namespace ZUM
