#include "tests/http/TestServer.h"

#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

bool readable(int fd, int seconds) {
    pollfd entry{fd, POLLIN, 0};
    return ::poll(&entry, 1, seconds * 1000) > 0;
}

int loopbackSocket(int& port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                       ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0;
    port = bound ? ntohs(address.sin_port) : 0;
    return fd;
}

} // namespace

TestServer::TestServer(std::vector<std::string> pieces, bool silent) {
    listener = loopbackSocket(port);
    if (port && ::listen(listener, 1) == 0)
        thread = std::thread([this, pieces = std::move(pieces), silent] { serve(pieces, silent); });
}

TestServer::~TestServer() {
    request();
    ::close(listener);
}

void TestServer::serve(const std::vector<std::string>& pieces, bool silent) {
    const int fd = readable(listener, 5) ? ::accept(listener, nullptr, nullptr) : -1;
    if (fd < 0) return;
    char buffer[4096];
    ssize_t n;
    while (received.find("\r\n\r\n") == std::string::npos && readable(fd, 5) &&
           (n = ::recv(fd, buffer, sizeof buffer, 0)) > 0)
        received.append(buffer, static_cast<std::size_t>(n));
    if (silent) readable(fd, 15); // until the client closes
    for (std::size_t i = 0; !silent && i < pieces.size(); ++i) {
        if (i > 0) std::this_thread::sleep_for(std::chrono::milliseconds(100));
        // A client that has gone ends the reply; it must not end the test program.
        ::send(fd, pieces[i].data(), pieces[i].size(), MSG_NOSIGNAL);
    }
    ::close(fd);
}

int TestServer::closedPort() {
    int port;
    ::close(loopbackSocket(port));
    return port;
}
