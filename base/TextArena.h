#pragma once

#include <memory>
#include <vector>

#include "base/Units.h"

namespace ZUM {

// Storage for many short texts that die together, such as the values of one
// document: copies are carved one after the other from large blocks, with no
// allocation of their own, and are all freed with the arena.
class TextArena {
public:
    TextArena() = default;
    TextArena(const TextArena&) = delete;
    TextArena& operator=(const TextArena&) = delete;

    // A copy of `count` units that lives as long as the arena.
    u16* store(const u16* units, u32 count);

    static constexpr u32 BlockUnits = 32768;

private:
    std::vector<std::unique_ptr<u16[]>> blocks;
    u16* next = nullptr;
    u32 left = 0;
};

} // namespace ZUM
