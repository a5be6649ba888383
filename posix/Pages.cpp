#include "base/RawMemory.h"

#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

namespace ZUM {

void discardPages(void* from, std::size_t bytes) noexcept {
    static const std::uintptr_t page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const std::uintptr_t start = (reinterpret_cast<std::uintptr_t>(from) + page - 1) & ~(page - 1);
    const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(from) + bytes) & ~(page - 1);
    // Advice only: where it is refused the pages simply stay.
    if (start < end) ::madvise(reinterpret_cast<void*>(start), end - start, MADV_DONTNEED);
}

} // namespace ZUM
