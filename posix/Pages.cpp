#include "base/RawMemory.h"

#include <cstdint>

#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <sys/mman.h>
#include <unistd.h>

namespace ZUM {

std::size_t pageBytes() noexcept {
    return static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
}

void discardWholePages(void* pages, std::size_t bytes) noexcept {
    ::madvise(pages, bytes, MADV_DONTNEED);
}

namespace {

// The size of a transparent huge page where the system has them.
constexpr std::size_t HugePageBytes = std::size_t(2) << 20;

// Asks for huge pages over the whole huge pages inside the block.
void adviseHugePages([[maybe_unused]] void* pages, [[maybe_unused]] std::size_t bytes) noexcept {
#ifdef MADV_HUGEPAGE
    const auto first = reinterpret_cast<std::uintptr_t>(pages);
    const std::uintptr_t start = (first + HugePageBytes - 1) & ~(HugePageBytes - 1);
    const std::uintptr_t end = (first + bytes) & ~(HugePageBytes - 1);
    if (start < end) ::madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
#endif
}

// A private mapping of `bytes` at a multiple of `alignment`: a larger one is
// made and the ends beyond the aligned block are given back.
void* mapAligned(std::size_t bytes, std::size_t alignment) noexcept {
    void* mapped = ::mmap(nullptr, bytes + alignment, PROT_READ | PROT_WRITE,
                          MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) return nullptr;
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + alignment - 1) & ~(alignment - 1);
    if (aligned > start) ::munmap(mapped, aligned - start);
    const std::uintptr_t tail = start + alignment - aligned;
    if (tail) ::munmap(reinterpret_cast<void*>(aligned + bytes), tail);
    return reinterpret_cast<void*>(aligned);
}

} // namespace

// The whole huge pages inside are asked to be huge ones (see below). Where the
// system has no such advice, the pages fault in as they are touched.
void prepareWholePages([[maybe_unused]] void* pages, [[maybe_unused]] std::size_t bytes) noexcept {
    adviseHugePages(pages, bytes);
#ifdef MADV_POPULATE_WRITE
    ::madvise(pages, bytes, MADV_POPULATE_WRITE);
#endif
}

// Touched one by one, the pages would cost a fault each; on a virtual machine
// that shadows the guest's page tables, each fault is a trip to the host, even
// for a page made ready beforehand. A huge page costs one trip for 2 MiB, so
// blocks of whole huge pages ask for them.
void* acquireWholePages(std::size_t bytes) noexcept {
    if (bytes % HugePageBytes != 0) {
        void* pages = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                             MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
        return pages == MAP_FAILED ? nullptr : pages;
    }
    void* pages = mapAligned(bytes, HugePageBytes);
    if (pages) prepareWholePages(pages, bytes);
    return pages;
}

// glibc gives the freed top of a heap back once it passes 128 KiB, and with
// threads each giving back makes every core forget the pages. Blocks under
// PreparedBytes come from the heaps, which now keep up to KeptFreedBytes
// freed; larger ones are mapped apart, to be made ready whole.
void keepFreedMemory() noexcept {
#if defined(__GLIBC__)
    constexpr int KeptFreedBytes = 8 << 20;
    ::mallopt(M_MMAP_THRESHOLD, static_cast<int>(PreparedBytes));
    ::mallopt(M_TRIM_THRESHOLD, KeptFreedBytes);
#endif
}

} // namespace ZUM
