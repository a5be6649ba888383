#include "base/Library.h"

namespace ZUM {

namespace {
constinit ModuleTable processTable;
}

ModuleTable& moduleTable() {
    return processTable;
}

void ModuleTable::set(int slot, ModuleCallback callback) {
    if (slot >= 0 && slot < SlotCount) slots[slot] = callback;
}

ModuleCallback ModuleTable::callback(int slot) const {
    return slot >= 0 && slot < SlotCount ? slots[slot] : nullptr;
}

// A failing module stops the walk without rolling back the ones before it;
// `started` stays clear so a later start walks the table again.
bool ModuleTable::start() {
    if (started) return true;
    for (ModuleCallback callback : slots) {
        if (callback && !callback(true)) return false;
    }
    started = true;
    return true;
}

// Modules stop in the same order they started.
bool ModuleTable::stop() {
    if (!started) return false;
    if (stopped) return true;
    for (ModuleCallback callback : slots) {
        if (callback && !callback(false)) return false;
    }
    stopped = true;
    return true;
}

bool startLibrary() {
    return processTable.start();
}

bool stopLibrary() {
    return processTable.stop();
}

} // namespace ZUM
