// The test peer over Winsock; tests/http/posix has it over BSD sockets.
#include "tests/http/TestServer.h"

#include <winsock2.h>

#include <chrono>

namespace {

// Socket handles fit the int the header keeps, as Windows promises for handles.
SOCKET socketOf(int handle) {
    return static_cast<SOCKET>(static_cast<std::intptr_t>(handle));
}

bool readable(SOCKET socket, int seconds) {
    WSAPOLLFD entry{socket, POLLRDNORM, 0};
    return ::WSAPoll(&entry, 1, seconds * 1000) > 0;
}

SOCKET loopbackSocket(int& port) {
    WSADATA data;
    ::WSAStartup(MAKEWORD(2, 2), &data); // counted; undone in closeSocket
    const SOCKET socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof address;
    const bool bound =
        socket != INVALID_SOCKET &&
        ::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) == 0;
    port = bound ? ntohs(address.sin_port) : 0;
    return socket;
}

void closeSocket(SOCKET socket) {
    ::closesocket(socket);
    ::WSACleanup();
}

} // namespace

TestServer::TestServer(std::vector<std::string> pieces, bool silent) {
    const SOCKET socket = loopbackSocket(port);
    listener = static_cast<int>(socket);
    if (port && ::listen(socket, 1) == 0)
        thread = std::thread([this, pieces = std::move(pieces), silent] { serve(pieces, silent); });
}

TestServer::~TestServer() {
    request();
    closeSocket(socketOf(listener));
}

void TestServer::serve(const std::vector<std::string>& pieces, bool silent) {
    const SOCKET listening = socketOf(listener);
    const SOCKET peer = readable(listening, 5) ? ::accept(listening, nullptr, nullptr) : INVALID_SOCKET;
    if (peer == INVALID_SOCKET) return;
    char buffer[4096];
    int n;
    while (received.find("\r\n\r\n") == std::string::npos && readable(peer, 5) &&
           (n = ::recv(peer, buffer, sizeof buffer, 0)) > 0)
        received.append(buffer, static_cast<std::size_t>(n));
    if (silent) readable(peer, 15); // until the client closes
    for (std::size_t i = 0; !silent && i < pieces.size(); ++i) {
        if (i > 0) std::this_thread::sleep_for(std::chrono::milliseconds(100));
        ::send(peer, pieces[i].data(), static_cast<int>(pieces[i].size()), 0);
    }
    ::closesocket(peer);
}

int TestServer::closedPort() {
    int port;
    closeSocket(loopbackSocket(port));
    return port;
}
