#pragma once

#include <cstddef>

namespace ZUM {

// The one place the library takes memory other than through operator new: the
// buffers of strings and memory blocks, and the slabs of the slab pool. An
// allocation answers usable memory or throws std::bad_alloc, never null.
//
// A program may install a refusal check, asked before every allocation, that
// makes any chosen one fail as exhausted memory would; the allocation-failure
// tests count with it.
class RawMemory {
public:
    static void* allocate(std::size_t bytes);
    // Grows or shrinks `block` (null allocates); when this throws, the block
    // stays valid and unchanged.
    static void* reallocate(void* block, std::size_t bytes);
    static void release(void* block) noexcept;

    // True refuses the allocation being asked for. Null, the default, refuses
    // nothing.
    using Refusal = bool (*)();
    static void setRefusal(Refusal check) { refusal = check; }

    // Throws std::bad_alloc when the installed check refuses; for memory taken
    // elsewhere, such as the pool's slabs.
    static void admit() {
        if (refusal) [[unlikely]]
            ask();
    }

private:
    static void ask();
    [[noreturn]] static void refuse();
    static inline Refusal refusal = nullptr;
};

// Gives the whole pages inside [from, from + bytes) of a live block back to
// the system: the block stays valid and may be freed as usual, but those
// pages' contents are lost (they read as anything). For a large text read
// once from front to back, so that what has been read stops taking memory.
void discardPages(void* from, std::size_t bytes) noexcept;

// Makes the whole pages inside [from, from + bytes) of a live block ready for
// writing by one call where the platform can, instead of a fault a page on
// first touch: for a large buffer reserved to be filled from front to back.
// Spans under PreparedBytes are left to fault, as they would cost more in
// calls than they save.
void preparePages(void* from, std::size_t bytes) noexcept;
inline constexpr std::size_t PreparedBytes = std::size_t(1) << 20;

// The platform's page size; the giving back of `bytes` of whole pages at
// `pages`, and their making ready for writing (both advice only: a refusal
// changes nothing). One implementation per platform.
std::size_t pageBytes() noexcept;
void discardWholePages(void* pages, std::size_t bytes) noexcept;
void prepareWholePages(void* pages, std::size_t bytes) noexcept;

// Asks the system's allocator to keep freed memory for the next blocks
// instead of giving it back at once, and to map apart only blocks of
// PreparedBytes and more: for a batch, which frees one book's buffers and
// takes the same again for the next, and would otherwise pay the faults of
// fresh pages each time (with threads, also the flushing of the others'
// page caches). Advice only; one implementation per platform.
void keepFreedMemory() noexcept;

// A block of `bytes` taken straight from the system in whole pages, all made
// ready for writing by one call where the platform can, instead of a fault a
// page: for the pool's slabs, which are filled soon and whole and kept for the
// life of the process. A multiple of 2 MiB is aligned to 2 MiB and may be
// backed by large pages. Null when memory is exhausted.
void* acquireWholePages(std::size_t bytes) noexcept;

} // namespace ZUM
