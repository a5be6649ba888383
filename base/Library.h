#pragma once

#include "base/Object.h"

namespace ZUM {

// A module's start (true) or stop (false) callback; answers whether it succeeded.
using ModuleCallback = bool (*)(bool start);

// Fixed slots of the process-wide module table.
enum ModuleSlot : int { FlowsSlot = 0, EncodingsSlot = 3, SocketsSlot = 5, DomSlot = 6 };

// Seven module slots walked in slot order at start and again, in the same
// order, at stop. Each walk happens at most once.
class ModuleTable : public Object {
public:
    static constexpr int SlotCount = 7;

    constexpr ModuleTable() = default;

    void set(int slot, ModuleCallback callback);
    ModuleCallback callback(int slot) const;
    bool start();
    bool stop();
    bool isStarted() const { return started; }
    bool isStopped() const { return stopped; }

private:
    ModuleCallback slots[SlotCount]{};
    bool started = false;
    bool stopped = false;
};

// The process-wide table; constant-initialised, so registrations made during
// static initialisation of any unit find it ready.
ModuleTable& moduleTable();

// A module's static registration object. Place it in the unit that also defines
// the module's shared objects, so that any program using them links it in.
struct ModuleRegistration {
    ModuleRegistration(int slot, ModuleCallback callback) { moduleTable().set(slot, callback); }
};

bool startLibrary();
bool stopLibrary();

} // namespace ZUM
