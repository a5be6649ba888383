#pragma once

#include <cstdint>

#include "base/Units.h"

namespace ZUM {

// The operating system's TCP sockets, as much of them as the socket flow needs:
// IPv4 connections, and receives and sends that wait at most a given number of
// seconds (0 = without limit). Each platform folder implements them (posix/
// here); nothing else in the tree calls the system's socket interface.
class SocketLayer {
public:
    using Handle = std::intptr_t;
    static constexpr Handle None = -1;

    enum Outcome : int { Done, TimedOut, Failed };
    struct Transfer {
        Outcome outcome;
        u32 bytes; // moved by a Done transfer
    };

    // Brings the layer up for the process; false when it cannot be.
    static bool start();

    // A socket connected to `host` (a name or dotted address) at `port`, or None
    // when the name has no IPv4 address or no connection is made in time.
    static Handle connect(const char* host, std::int32_t port, std::int32_t timeoutSeconds);
    // One receive of at most `size` bytes; Done with 0 bytes when the peer has
    // closed the connection.
    static Transfer receive(Handle socket, u8* buffer, u32 size, std::int32_t timeoutSeconds);
    // One send of at least one and at most `size` bytes; a peer that has gone
    // is a failure, never a signal.
    static Transfer send(Handle socket, const u8* bytes, u32 size, std::int32_t timeoutSeconds);
    static void close(Handle socket);
};

} // namespace ZUM
