#include "http/SocketIOFlow.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/Library.h"
#include "base/TextReader.h"
#include "tests/IOExpect.h"
#include "tests/http/TestServer.h"

using namespace ZUM;

namespace {

constexpr const char* Tag = "http/SocketIOFlow";
const Utf8String Request("GET / HTTP/1.1\r\n\r\n");

std::string received(SocketIOFlow& flow) {
    std::string bytes(100, '\0');
    u32 got = 0;
    flow.read8Many(100, reinterpret_cast<u8*>(bytes.data()), got);
    return bytes.substr(0, got);
}

std::string of(const std::unique_ptr<TString<char>>& text) {
    return std::string(text->data(), text->length());
}

} // namespace

TEST(SocketIOFlow, DeliversEachReceiveAsItArrivesThenTheEnd) {
    TestServer server({"HTTP/1.1 200 OK\r\n", "rest\n", "tail"});
    SocketIOFlow flow(5);
    ASSERT_TRUE(flow.connect(server.port, "127.0.0.1"));
    EXPECT_TRUE(flow.writeString8(Request));
    EXPECT_EQ(received(flow), "HTTP/1.1 200 OK\r\n"); // fewer units than asked, no failure
    TextReader<char> reader(&flow);
    EXPECT_EQ(of(std::unique_ptr<TString<char>>(reader.readLine())), "rest\n");
    // The server has closed: the bytes still on their way come first, then the end.
    EXPECT_EQ(of(std::unique_ptr<TString<char>>(reader.readAll())), "tail");
    EXPECT_EQ(received(flow), "");
    EXPECT_IO_ERROR(flow.read8(), IOException::EndOfInput, Tag);
    EXPECT_EQ(server.request(), "GET / HTTP/1.1\r\n\r\n");
    EXPECT_TRUE(flow.close());
    EXPECT_IO_ERROR(flow.read8(), IOException::NotOpen, Tag);
}

TEST(SocketIOFlow, RefusesOtherWidthsUnreachablePeersAndSilence) {
    SocketIOFlow flow(1);
    for (int port : {TestServer::closedPort(), 0, 70000})
        EXPECT_FALSE(flow.connect(port, "127.0.0.1")) << port;
    EXPECT_FALSE(flow.isOpen());
    EXPECT_IO_ERROR(flow.write8('x'), IOException::NotOpen, Tag);
    TestServer silent({}, true);
    ASSERT_TRUE(flow.connect(silent.port, "127.0.0.1"));
    EXPECT_IO_ERROR(flow.read16(), IOException::WidthNotProvided, Tag);
    EXPECT_IO_ERROR(flow.write32(1), IOException::WidthNotProvided, Tag);
    EXPECT_FALSE(flow.reset());
    flow.writeString8(Request);
    EXPECT_IO_ERROR(flow.read8(), IOException::TimedOut, Tag); // after the one-second limit
    flow.close();                                              // which ends the silent server
}

// A peer that has gone makes writes fail with code 8; SIGPIPE would end the
// whole process instead.
TEST(SocketIOFlow, WritingToAClosedPeerFailsWithoutASignal) {
    TestServer server("");
    SocketIOFlow flow(5);
    ASSERT_TRUE(flow.connect(server.port, "127.0.0.1"));
    flow.writeString8(Request);
    server.request(); // the server has closed its end
    const Utf8String block(std::string(1 << 16, 'x').c_str());
    try {
        for (int i = 0; i < 1000; ++i) flow.writeString8(block);
        ADD_FAILURE() << "writes to a closed peer kept succeeding";
    } catch (const IOException& e) {
        EXPECT_EQ(e.code, IOException::SystemError);
    }
}

TEST(SocketIOFlow, ItsModuleIsInTheSocketsSlot) {
    const ModuleCallback sockets = moduleTable().callback(SocketsSlot);
    ASSERT_NE(sockets, nullptr);
    EXPECT_TRUE(sockets(true));
    EXPECT_TRUE(sockets(false));
}
