#include "base/RawMemory.h"

#include <windows.h>

namespace ZUM {

std::size_t pageBytes() noexcept {
    SYSTEM_INFO info;
    ::GetSystemInfo(&info);
    return info.dwPageSize;
}

// The pages' contents stop mattering, and unlocking pages that were never
// locked takes them out of the working set.
void discardWholePages(void* pages, std::size_t bytes) noexcept {
    ::VirtualAlloc(pages, bytes, MEM_RESET, PAGE_READWRITE);
    ::VirtualUnlock(pages, bytes);
}

// Windows has no advice that makes committed pages ready for writing; they
// are made on first touch, at the cost of a soft fault, not of a trip to a
// hypervisor.
void prepareWholePages(void*, std::size_t) noexcept {}

// Committed at once; each page is still made on its first touch.
void* acquireWholePages(std::size_t bytes) noexcept {
    return ::VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
}

// The C runtime's heap keeps its own counsel on what it gives back.
void keepFreedMemory() noexcept {}

} // namespace ZUM
