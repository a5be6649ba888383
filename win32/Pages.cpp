#include "base/RawMemory.h"

#include <cstdint>
#include <windows.h>

namespace ZUM {

void discardPages(void* from, std::size_t bytes) noexcept {
    static const std::uintptr_t page = [] {
        SYSTEM_INFO info;
        ::GetSystemInfo(&info);
        return static_cast<std::uintptr_t>(info.dwPageSize);
    }();
    const std::uintptr_t start = (reinterpret_cast<std::uintptr_t>(from) + page - 1) & ~(page - 1);
    const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(from) + bytes) & ~(page - 1);
    if (start >= end) return;
    // The pages' contents stop mattering, and unlocking pages that were never
    // locked takes them out of the working set. Advice only: a refusal keeps them.
    void* pages = reinterpret_cast<void*>(start);
    ::VirtualAlloc(pages, end - start, MEM_RESET, PAGE_READWRITE);
    ::VirtualUnlock(pages, end - start);
}

} // namespace ZUM
