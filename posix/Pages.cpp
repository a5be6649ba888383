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

// Where the system has no such advice, the pages fault in as they are touched.
void prepareWholePages([[maybe_unused]] void* pages, [[maybe_unused]] std::size_t bytes) noexcept {
#ifdef MADV_POPULATE_WRITE
    ::madvise(pages, bytes, MADV_POPULATE_WRITE);
#endif
}

// Touched one by one, the pages would cost a fault each; on a virtual machine
// that hands freed memory back to its host those faults were a fifth of a
// large repair's time. Huge pages are not asked for: there, fresh ones come
// from the host slowly as they are zeroed.
void* acquireWholePages(std::size_t bytes) noexcept {
    void* pages = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                         MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    return pages == MAP_FAILED ? nullptr : pages;
}

} // namespace ZUM
