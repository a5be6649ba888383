#include "base/RawMemory.h"

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

} // namespace ZUM
