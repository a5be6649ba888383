#include "base/RawMemory.h"

#include <sys/mman.h>
#include <unistd.h>

namespace ZUM {

std::size_t pageBytes() noexcept {
    return static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
}

void discardWholePages(void* pages, std::size_t bytes) noexcept {
    ::madvise(pages, bytes, MADV_DONTNEED);
}

} // namespace ZUM
