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

// Committed at once; each page is still made on its first touch.
void* acquireWholePages(std::size_t bytes) noexcept {
    return ::VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
}

} // namespace ZUM
