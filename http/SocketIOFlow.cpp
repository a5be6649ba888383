#include "http/SocketIOFlow.h"

#include "base/Exception.h"
#include "base/Library.h"

namespace ZUM {

namespace {

bool layerStarted = false;

// The sockets module brings the system's socket layer up once; it stays up
// until the process ends.
bool socketsModule(bool start) {
    if (start && !layerStarted) layerStarted = SocketLayer::start();
    return true;
}

const ModuleRegistration registration(SocketsSlot, socketsModule);

} // namespace

SocketIOFlow::SocketIOFlow(std::int32_t timeoutSeconds)
    : IFlow(false, Width8), OFlow(false, Width8), timeoutSeconds(timeoutSeconds) {}

SocketIOFlow::~SocketIOFlow() {
    SocketLayer::close(socket);
}

void SocketIOFlow::setOpen(bool connected) {
    IFlow::open = IFlow::atStart = connected;
    OFlow::open = OFlow::atStart = connected;
}

bool SocketIOFlow::connect(std::int32_t port, const char* host) {
    close();
    socket = SocketLayer::connect(host, port, timeoutSeconds);
    setOpen(socket != SocketLayer::None);
    return isOpen();
}

bool SocketIOFlow::close() {
    SocketLayer::close(socket);
    socket = SocketLayer::None;
    setOpen(false);
    return true;
}

bool SocketIOFlow::isOpen() const {
    return socket != SocketLayer::None;
}

bool SocketIOFlow::reset() {
    return false;
}

void SocketIOFlow::raiseFor(SocketLayer::Outcome outcome) {
    if (outcome == SocketLayer::TimedOut) ZUM_THROW_IO(IOException::TimedOut);
    if (outcome == SocketLayer::Failed) ZUM_THROW_IO(IOException::SystemError);
}

u8 SocketIOFlow::read8() {
    u8 unit;
    u32 got;
    read8Many(1, &unit, got);
    if (got == 0) ZUM_THROW_IO(IOException::EndOfInput);
    return unit;
}

u16 SocketIOFlow::read16() {
    ZUM_THROW_IO(IOException::WidthNotProvided);
}

u32 SocketIOFlow::read32() {
    ZUM_THROW_IO(IOException::WidthNotProvided);
}

void SocketIOFlow::read8Many(u32 count, u8* buffer, u32& got) {
    got = 0;
    if (!isOpen()) ZUM_THROW_IO(IOException::NotOpen);
    if (count == 0) return;
    const SocketLayer::Transfer received =
        SocketLayer::receive(socket, buffer, count, timeoutSeconds);
    raiseFor(received.outcome);
    got = received.bytes;
    if (got > 0) IFlow::atStart = false;
}

void SocketIOFlow::write8(u8 unit) {
    u32 written;
    write8Many(1, &unit, written);
}

void SocketIOFlow::write16(u16) {
    ZUM_THROW_IO(IOException::WidthNotProvided);
}

void SocketIOFlow::write32(u32) {
    ZUM_THROW_IO(IOException::WidthNotProvided);
}

void SocketIOFlow::write8Many(u32 count, const u8* units, u32& written) {
    written = 0;
    if (!isOpen()) ZUM_THROW_IO(IOException::NotOpen);
    while (written < count) {
        const SocketLayer::Transfer sent =
            SocketLayer::send(socket, units + written, count - written, timeoutSeconds);
        raiseFor(sent.outcome);
        written += sent.bytes;
        OFlow::atStart = false;
    }
}

} // namespace ZUM
