#pragma once

#include "base/IFlow.h"
#include "base/OFlow.h"
#include "http/SocketLayer.h"

namespace ZUM {

// A TCP connection seen as an input and an output flow of bytes, so that a text
// reader can parse what the peer sends and requests go out with ordinary flow
// writes. Both sides move 8-bit units only; the other widths raise
// IOException 5. A wait for the peer longer than the time-out raises 11, a
// failed transfer 8, and a connection the peer has closed reads as 0 units
// (IOException 1 for a single unit).
class SocketIOFlow : public IFlow, public OFlow {
public:
    // `timeoutSeconds` limits connecting and each wait for the peer; 0 waits
    // without limit.
    explicit SocketIOFlow(std::int32_t timeoutSeconds = 0);
    ~SocketIOFlow() override;

    // Connects to `host` (a name or dotted IPv4 address) at `port`, closing any
    // earlier connection first; false when no connection is made.
    virtual bool connect(std::int32_t port, const char* host);

    bool close() override;
    bool isOpen() const override; // connected
    bool reset() override;        // false: a connection cannot rewind

    u8 read8() override;
    u16 read16() override;
    u32 read32() override;
    // One receive: may answer fewer units than asked, 0 once the peer has closed.
    void read8Many(u32 count, u8* buffer, u32& got) override;

    void flush() override {}
    void write8(u8 unit) override;
    void write16(u16 unit) override;
    void write32(u32 unit) override;
    // Sends until every unit has gone.
    void write8Many(u32 count, const u8* units, u32& written) override;

private:
    void setOpen(bool connected);
    static void raiseFor(SocketLayer::Outcome outcome);

    SocketLayer::Handle socket = SocketLayer::None;
    std::int32_t timeoutSeconds;
};

} // namespace ZUM
