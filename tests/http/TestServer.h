#pragma once

#include <string>
#include <thread>
#include <vector>

// A peer for one connection on 127.0.0.1 at an ephemeral port: a thread accepts
// it, reads the request head, sends the reply in its pieces (pausing between
// two) and closes; a silent peer answers nothing and waits for the client to
// close. Every wait is limited, so a test gone wrong cannot hang. Its sockets
// are in posix/ and win32/.
class TestServer {
public:
    explicit TestServer(std::vector<std::string> pieces, bool silent = false);
    explicit TestServer(const std::string& reply) : TestServer(std::vector<std::string>{reply}) {}
    ~TestServer();
    TestServer(const TestServer&) = delete;
    TestServer& operator=(const TestServer&) = delete;

    std::string url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port) + path;
    }
    // What the client sent, once the exchange is over.
    std::string request() {
        if (thread.joinable()) thread.join();
        return received;
    }
    // A loopback port nothing listens on.
    static int closedPort();

    int port = 0;

private:
    void serve(const std::vector<std::string>& pieces, bool silent);

    int listener = -1;
    std::string received;
    std::thread thread;
};
