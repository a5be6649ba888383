#include "http/HttpFetch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "http/HttpRequest.h"
#include "http/HttpResponse.h"
#include "http/Location.h"
#include "tests/ReaderText.h"
#include "tests/http/TestServer.h"
#include "xml/XMLReader.h"

using namespace ZUM;

namespace {

struct Outcome {
    std::int32_t status = -1;
    std::unique_ptr<HttpResponse> response;

    std::string body() const {
        const MemBlock& bytes = response->body();
        return std::string(reinterpret_cast<const char*>(bytes.data), bytes.size);
    }
};

Outcome fetch(const std::string& url, const char* method = "GET", const char* header = nullptr,
              std::int32_t timeout = 5, HttpFetch::BodyConsumer* consumer = nullptr) {
    Location location;
    location.split(Utf8String(url.c_str()));
    HttpRequest request;
    request.setRequestLine(Utf8String((std::string(method) + " /x HTTP/1.1\r\n").c_str()));
    if (header) request.addHeader(Utf8String(header));
    HttpFetch settings;
    settings.setTimeout(timeout);
    Outcome outcome;
    outcome.response.reset(settings.fetch(location, request, outcome.status, consumer));
    return outcome;
}

std::string headerLines(u32 count) {
    std::string lines;
    for (u32 i = 0; i < count; ++i) lines += "X: y\r\n";
    return lines;
}

const std::string Ok = "HTTP/1.1 200 OK\r\n";
const std::string Chunked = Ok + "Transfer-Encoding: chunked\r\n\r\n";
const std::string LoaderHeaders = "User-Agent: zum\r\nConnection: close\r\n\r\n";

} // namespace

TEST(HttpFetch, RepliesOfEachForm) {
    const struct {
        const char* what;
        std::vector<std::string> pieces;
        std::int32_t status;
        const char* body; // with status 0
        std::int32_t code;
        const char* method = "GET";
    } cases[] = {
        {"counted, in pieces", {Ok + "Content-", "Length: 4\r\n\r\nab", "cd"}, 0, "abcd", 200},
        {"chunked",
         {Chunked + "5\r\nhello\r\n7;x=1\r\n, world\r\nA \r\n0123456789\r\n0\r\n\r\n"},
         0,
         "hello, world0123456789",
         200},
        {"neither length nor chunks", {Ok + "Server: t\r\n\r\nunread"}, 0, "", 200},
        {"no body for HEAD", {Chunked}, 0, "", 200, "HEAD"},
        {"unknown status", {"HTTP/1.1 299 Odd\r\nContent-Length: 1\r\n\r\nx"}, 0, "x", 0},
        {"an error page is a reply",
         {"HTTP/1.1 404 No\r\nContent-Length: 4\r\n\r\ngone"},
         0,
         "gone",
         404},
        {"header lines at the bound",
         {Ok + headerLines(HttpFetch::HeadLineLimit) + "\r\n"},
         0,
         "",
         200},
        {"closed inside a counted body", {Ok + "Content-Length: 100\r\n\r\nshort"}, 4, "", 0},
        {"closed before the zero chunk", {Chunked + "5\r\nhello\r\n"}, 4, "", 0},
        {"not a chunk line", {Chunked + "zz\r\nhello\r\n0\r\n\r\n"}, 4, "", 0},
        {"chunk size past 64 bits",
         {Chunked + "10000000000000005\r\nhello\r\n0\r\n\r\n"},
         4,
         "",
         0},
        {"length past the body bound", {Ok + "Content-Length: 268435457\r\n\r\nx"}, 4, "", 0},
        {"chunks past the body bound", {Chunked + "1\r\nx\r\n10000000\r\nxxxx"}, 4, "", 0},
        {"no reply", {""}, 3, "", 0},
        {"a head without its end", {Ok + "Server: t\r\n"}, 3, "", 0},
        {"a line past the head bound",
         {Ok + "X: " + std::string(HttpFetch::HeadLimit, 'a')},
         3,
         "",
         0},
        {"lines past the head bound",
         {Ok + headerLines(HttpFetch::HeadLineLimit + 1) + "\r\n"},
         3,
         "",
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestServer server(c.pieces);
        const Outcome outcome = fetch(server.url("/x"), c.method, nullptr, 2);
        EXPECT_EQ(outcome.status, c.status);
        if (c.status != 0) {
            EXPECT_EQ(outcome.response, nullptr);
        } else if (outcome.response) {
            EXPECT_EQ(outcome.body(), c.body);
            EXPECT_EQ(outcome.response->statusCode(), c.code);
        }
    }
}

TEST(HttpFetch, FoldedLinesJoinAndAGivenHostIsKept) {
    TestServer server(Ok + "X-Folded: one\r\n\ttwo\r\n\r\n");
    const Outcome outcome = fetch(server.url("/x"), "GET", "host: mine\r\n");
    ASSERT_NE(outcome.response, nullptr);
    EXPECT_TRUE(*outcome.response->firstOfKind(HttpHeaderLine::Unlisted)->second == "onetwo");
    EXPECT_EQ(server.request(), "GET /x HTTP/1.1\r\nhost: mine\r\n\r\n");
}

TEST(HttpFetch, FailuresWithoutAReply) {
    TestServer silent({}, true);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(fetch(silent.url("/x"), "GET", nullptr, 1).status, HttpFetch::ExchangeFailed);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    const std::string closed = "http://127.0.0.1:" + std::to_string(TestServer::closedPort());
    EXPECT_EQ(fetch(closed + "/x").status, HttpFetch::NoConnection);
    EXPECT_EQ(fetch("file:///x").status, HttpFetch::NotHttp);
    // Would start a header line of its own: refused before connecting.
    EXPECT_EQ(fetch(closed + "/x\r\nX-Injected: 1").status, HttpFetch::NotHttp);
}

TEST(HttpFetch, AConsumerTakesTheBodyInBlocks) {
    struct Blocks : HttpFetch::BodyConsumer {
        void consume(const u8* bytes, u32 count) override {
            sizes.push_back(count);
            all.append(reinterpret_cast<const char*>(bytes), count);
        }
        std::vector<u32> sizes;
        std::string all;
    } blocks;
    const u32 block = HttpFetch::BodyBlock;
    std::string body;
    for (u32 i = 0; i < block * 5 / 2; ++i) body.push_back(static_cast<char>(i % 251));
    TestServer server(Ok + "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body);
    const Outcome outcome = fetch(server.url("/x"), "GET", nullptr, 5, &blocks);
    ASSERT_EQ(outcome.status, HttpFetch::Fetched);
    EXPECT_EQ(outcome.body(), "");
    EXPECT_EQ(blocks.sizes, (std::vector<u32>{block, block, block / 2}));
    EXPECT_TRUE(blocks.all == body);
}

TEST(HttpLoader, OpensOnlyASuccessfulReply) {
    TestServer server(Ok + "Content-Length: 4\r\n\r\n<d/>");
    XMLReader reader(nullptr, nullptr);
    EXPECT_EQ(textOf(reader.openLocation(wide(server.url("/doc.xml")))), "<d/>");
    EXPECT_EQ(server.request(), "GET /doc.xml HTTP/1.1\r\nHost: 127.0.0.1:" +
                                    std::to_string(server.port) + "\r\n" + LoaderHeaders);
    TestServer missing("HTTP/1.1 404 Not Found\r\nContent-Length: 4\r\n\r\n<e/>");
    EXPECT_EQ(textOf(reader.openLocation(wide(missing.url("/doc.xml")))), "<null>");
}

TEST(HttpLoader, AProxyGetsTheWholeLocation) {
    TestServer proxy(Ok + "Content-Length: 4\r\n\r\n<p/>");
    XMLReader reader(nullptr, nullptr);
    reader.setProxy("127.0.0.1", proxy.port);
    EXPECT_EQ(textOf(reader.openLocation(wide("http://book.invalid/ncc.html"))), "<p/>");
    EXPECT_EQ(proxy.request(),
              "GET http://book.invalid/ncc.html HTTP/1.1\r\nHost: book.invalid\r\n" +
                  LoaderHeaders);
}
