#pragma once

#include <cstddef>

namespace ZUM {

// Memory for the many small objects of a document tree (nodes, attribute maps,
// dictionary cells): cells of size classes 8 bytes apart, up to 256 bytes,
// carved from slabs of 256 KiB taken from the platform; and the blocks its
// values are kept in (see TextArena), carved from the same slabs, so that
// they too come in pages made ready at once. A freed cell or block goes to a
// free list of the freeing thread and serves the next one of its size; slabs
// are kept for the life of the process.
//
// Sanitizer builds use the global allocator instead, so that every object is
// still checked on its own.
class SlabPool {
public:
    static void* allocate(std::size_t bytes);
    static void release(void* cell, std::size_t bytes) noexcept;
    // A block of BlockBytes, aligned as cells are.
    static void* allocateBlock();
    static void releaseBlock(void* block) noexcept;
    static constexpr std::size_t BlockBytes = std::size_t(64) << 10;
    // False in sanitizer builds, where the global allocator serves every object.
    static bool isPooling();

    // A thread's first SmallSlabCount slabs are small, so that a small
    // document costs little memory beyond its cells (a slab is taken whole,
    // all its pages at once). Its later slabs are large, a multiple of the
    // large pages a platform may back them with: a large tree then costs a
    // page fault per 2 MiB instead of one per page.
    static constexpr std::size_t SmallSlabBytes = std::size_t(256) << 10;
    static constexpr std::size_t LargeSlabBytes = std::size_t(2) << 20;
    static constexpr unsigned SmallSlabCount = 8;
    // Cells are aligned to this, enough for the pointers and integers these
    // classes hold; a class that needs more must not be pooled.
    static constexpr std::size_t CellAlignment = 8;
};

// Class-specific allocation through the pool, for a class hierarchy's base
// whose alignment is at most SlabPool::CellAlignment.
#define ZUM_SLAB_ALLOCATED                                                                         \
    static void* operator new(std::size_t bytes) {                                                 \
        return ::ZUM::SlabPool::allocate(bytes);                                                   \
    }                                                                                              \
    static void operator delete(void* cell, std::size_t bytes) noexcept {                          \
        ::ZUM::SlabPool::release(cell, bytes);                                                     \
    }

} // namespace ZUM
