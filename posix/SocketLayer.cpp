#include "http/SocketLayer.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#include <memory>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace ZUM {

namespace {

using Clock = std::chrono::steady_clock;

// Waits until `fd` is ready for `events`, at most `timeoutSeconds` (0 = no
// limit); an interrupted wait goes on for the time left.
SocketLayer::Outcome waitFor(int fd, short events, std::int32_t timeoutSeconds) {
    const bool limited = timeoutSeconds > 0;
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(timeoutSeconds);
    for (;;) {
        int milliseconds = -1;
        if (limited) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
            milliseconds = static_cast<int>(std::clamp<std::int64_t>(left.count(), 0, INT_MAX));
        }
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, milliseconds);
        // An error or hang-up also counts as ready: the transfer that follows reports it.
        if (ready > 0) return SocketLayer::Done;
        if (ready == 0) return SocketLayer::TimedOut;
        if (errno != EINTR) return SocketLayer::Failed;
    }
}

// The first IPv4 address of `host`; false when it has none.
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
bool connectWithin(int fd, const sockaddr_in& address, std::int32_t timeoutSeconds) {
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
        return true;
    if (errno != EINPROGRESS && errno != EINTR) return false;
    if (waitFor(fd, POLLOUT, timeoutSeconds) != SocketLayer::Done) return false;
    int error = 0;
    socklen_t length = sizeof error;
    return ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
}

// Waits for `events`, then runs `transfer` (a recv or send answering its
// count), again while it would block or was interrupted.
template <typename Call>
SocketLayer::Transfer transferWithin(int fd, short events, std::int32_t timeoutSeconds,
                                     Call transfer) {
    for (;;) {
        const SocketLayer::Outcome waited = waitFor(fd, events, timeoutSeconds);
        if (waited != SocketLayer::Done) return {waited, 0};
        const ssize_t n = transfer();
        if (n >= 0) return {SocketLayer::Done, static_cast<u32>(n)};
        if (errno != EINTR && errno != EAGAIN && errno != EWOULDBLOCK)
            return {SocketLayer::Failed, 0};
    }
}

} // namespace

// POSIX sockets need no start; sends suppress SIGPIPE one by one.
bool SocketLayer::start() {
    return true;
}

SocketLayer::Handle SocketLayer::connect(const char* host, std::int32_t port,
                                         std::int32_t timeoutSeconds) {
    sockaddr_in address{};
    if (port < 1 || port > 65535 || !resolve(host, address)) return None;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_TCP);
    if (fd < 0) return None;
    if (!connectWithin(fd, address, timeoutSeconds)) {
        ::close(fd);
        return None;
    }
    return fd;
}

SocketLayer::Transfer SocketLayer::receive(Handle socket, u8* buffer, u32 size,
                                           std::int32_t timeoutSeconds) {
    const int fd = static_cast<int>(socket);
    return transferWithin(fd, POLLIN, timeoutSeconds, [&] { return ::recv(fd, buffer, size, 0); });
}

SocketLayer::Transfer SocketLayer::send(Handle socket, const u8* bytes, u32 size,
                                        std::int32_t timeoutSeconds) {
    const int fd = static_cast<int>(socket);
    const Transfer sent = transferWithin(fd, POLLOUT, timeoutSeconds,
                                         [&] { return ::send(fd, bytes, size, MSG_NOSIGNAL); });
    return sent.outcome == Done && sent.bytes == 0 && size > 0 ? Transfer{Failed, 0} : sent;
}

void SocketLayer::close(Handle socket) {
    if (socket != None) ::close(static_cast<int>(socket));
}

} // namespace ZUM
