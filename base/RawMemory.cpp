#include "base/RawMemory.h"

#include <cstdint>
#include <cstdlib>
#include <new>

namespace ZUM {

void RawMemory::ask() {
    if (refusal()) refuse();
}

void RawMemory::refuse() {
    throw std::bad_alloc();
}

void* RawMemory::allocate(std::size_t bytes) {
    admit();
    void* block = std::malloc(bytes ? bytes : 1);
    if (!block) refuse();
    return block;
}

void* RawMemory::reallocate(void* block, std::size_t bytes) {
    admit();
    void* grown = std::realloc(block, bytes ? bytes : 1);
    if (!grown) refuse();
    return grown;
}

void RawMemory::release(void* block) noexcept {
    std::free(block);
}

namespace {

// Calls `act` on the whole pages inside [from, from + bytes), if there are any.
template <class Act>
void onWholePages(void* from, std::size_t bytes, Act act) {
    static const std::uintptr_t page = pageBytes();
    const auto first = reinterpret_cast<std::uintptr_t>(from);
    const std::uintptr_t start = (first + page - 1) & ~(page - 1);
    const std::uintptr_t end = (first + bytes) & ~(page - 1);
    if (start < end) act(reinterpret_cast<void*>(start), end - start);
}

} // namespace

void discardPages(void* from, std::size_t bytes) noexcept {
    onWholePages(from, bytes, discardWholePages);
}

void preparePages(void* from, std::size_t bytes) noexcept {
    if (bytes >= PreparedBytes) onWholePages(from, bytes, prepareWholePages);
}

} // namespace ZUM
