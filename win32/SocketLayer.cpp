#include "http/SocketLayer.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>

namespace ZUM {

namespace {

// Waits until the socket can be read (or written), at most `timeoutSeconds`
// (0 = no limit). select rather than WSAPoll: WSAPoll does not report a
// refused connection on every Windows.
SocketLayer::Outcome waitFor(SOCKET socket, bool writing, std::int32_t timeoutSeconds) {
    fd_set ready;
    fd_set failed;
    FD_ZERO(&ready);
    FD_ZERO(&failed);
    FD_SET(socket, &ready);
    FD_SET(socket, &failed);
    timeval limit{timeoutSeconds, 0};
    const int n = ::select(0, writing ? nullptr : &ready, writing ? &ready : nullptr, &failed,
                           timeoutSeconds > 0 ? &limit : nullptr);
    if (n == 0) return SocketLayer::TimedOut;
    // A failed connection also counts as ready: the call that follows reports it.
    return n > 0 ? SocketLayer::Done : SocketLayer::Failed;
}

bool resolve(const char* host, sockaddr_in& address) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host, nullptr, &hints, &found) != 0) return false;
    const std::unique_ptr<addrinfo, decltype(&::freeaddrinfo)> owned(found, ::freeaddrinfo);
    if (!found || found->ai_addrlen < sizeof address) return false;
    std::memcpy(&address, found->ai_addr, sizeof address);
    return true;
}

// The socket stays non-blocking for good: every transfer first waits for
// readiness with the time-out, so none can block past it.
bool connectWithin(SOCKET socket, const sockaddr_in& address, std::int32_t timeoutSeconds) {
    u_long nonBlocking = 1;
    if (::ioctlsocket(socket, FIONBIO, &nonBlocking) != 0) return false;
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
        return true;
    if (::WSAGetLastError() != WSAEWOULDBLOCK) return false;
    if (waitFor(socket, true, timeoutSeconds) != SocketLayer::Done) return false;
    int error = 0;
    int length = sizeof error;
    return ::getsockopt(socket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) ==
               0 &&
           error == 0;
}

// Waits, then runs `transfer` (a recv or send answering its count), again
// while it would block.
template <typename Call>
SocketLayer::Transfer transferWithin(SOCKET socket, bool writing, std::int32_t timeoutSeconds,
                                     Call transfer) {
    for (;;) {
        const SocketLayer::Outcome waited = waitFor(socket, writing, timeoutSeconds);
        if (waited != SocketLayer::Done) return {waited, 0};
        const int n = transfer();
        if (n != SOCKET_ERROR) return {SocketLayer::Done, static_cast<u32>(n)};
        if (::WSAGetLastError() != WSAEWOULDBLOCK) return {SocketLayer::Failed, 0};
    }
}

int clamped(u32 size) {
    return static_cast<int>(std::min<u32>(size, INT_MAX));
}

} // namespace

bool SocketLayer::start() {
    WSADATA data;
    return ::WSAStartup(MAKEWORD(2, 0), &data) == 0;
}

SocketLayer::Handle SocketLayer::connect(const char* host, std::int32_t port,
                                         std::int32_t timeoutSeconds) {
    sockaddr_in address{};
    if (port < 1 || port > 65535 || !resolve(host, address)) return None;
    address.sin_port = htons(static_cast<u_short>(port));
    const SOCKET socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (socket == INVALID_SOCKET) return None;
    if (!connectWithin(socket, address, timeoutSeconds)) {
        ::closesocket(socket);
        return None;
    }
    return static_cast<Handle>(socket);
}

SocketLayer::Transfer SocketLayer::receive(Handle handle, u8* buffer, u32 size,
                                           std::int32_t timeoutSeconds) {
    const auto socket = static_cast<SOCKET>(handle);
    return transferWithin(socket, false, timeoutSeconds, [&] {
        return ::recv(socket, reinterpret_cast<char*>(buffer), clamped(size), 0);
    });
}

// Windows raises no signal for a peer that has gone.
SocketLayer::Transfer SocketLayer::send(Handle handle, const u8* bytes, u32 size,
                                        std::int32_t timeoutSeconds) {
    const auto socket = static_cast<SOCKET>(handle);
    const Transfer sent = transferWithin(socket, true, timeoutSeconds, [&] {
        return ::send(socket, reinterpret_cast<const char*>(bytes), clamped(size), 0);
    });
    return sent.outcome == Done && sent.bytes == 0 && size > 0 ? Transfer{Failed, 0} : sent;
}

void SocketLayer::close(Handle handle) {
    if (handle != None) ::closesocket(static_cast<SOCKET>(handle));
}

} // namespace ZUM
