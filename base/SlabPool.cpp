#include "base/SlabPool.h"

#include <mutex>
#include <new>
#include <vector>

#include "base/RawMemory.h"

namespace ZUM {

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool Sanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool Sanitized = true;
#else
constexpr bool Sanitized = false;
#endif
#else
constexpr bool Sanitized = false;
#endif

constexpr std::size_t Grain = SlabPool::CellAlignment;
constexpr std::size_t MaxBytes = 256;
constexpr std::size_t ClassCount = MaxBytes / Grain;

struct FreeCell {
    FreeCell* next;
};

// Freed pieces of one size, linked through the pieces themselves.
struct FreeList {
    FreeCell* head = nullptr;

    void* pop() {
        FreeCell* cell = head;
        if (cell) head = cell->next;
        return cell;
    }
    void push(void* piece) { head = new (piece) FreeCell{head}; }
};

// Each thread's free lists and the unused rest of its current slab: cells are
// carved from its front, blocks from its back.
struct ThreadCells {
    FreeList free[ClassCount];
    FreeList freeBlocks;
    char* next = nullptr;
    char* end = nullptr;
    unsigned slabsTaken = 0;
};

thread_local ThreadCells cells;

// Every slab ever taken, so they stay reachable (and visibly not leaked).
std::mutex slabsLock;
std::vector<void*>& slabs() {
    static std::vector<void*>* all = new std::vector<void*>;
    return *all;
}

std::size_t classOf(std::size_t bytes) {
    return (bytes + Grain - 1) / Grain - 1;
}

// Cells themselves are not asked about, to keep their path short; sanitizer
// builds, where the global allocator serves every cell, can fail each one.
void refill(ThreadCells& own) {
    RawMemory::admit();
    const std::size_t bytes = own.slabsTaken < SlabPool::SmallSlabCount ? SlabPool::SmallSlabBytes
                                                                        : SlabPool::LargeSlabBytes;
    void* slab = acquireWholePages(bytes);
    if (!slab) throw std::bad_alloc();
    ++own.slabsTaken;
    {
        std::lock_guard<std::mutex> hold(slabsLock);
        slabs().push_back(slab);
    }
    own.next = static_cast<char*>(slab);
    own.end = own.next + bytes;
}

} // namespace

bool SlabPool::isPooling() {
    return !Sanitized;
}

void* SlabPool::allocate(std::size_t bytes) {
    if (Sanitized || bytes == 0 || bytes > MaxBytes) return ::operator new(bytes);
    const std::size_t cls = classOf(bytes);
    ThreadCells& own = cells;
    if (void* cell = own.free[cls].pop()) return cell;
    const std::size_t size = (cls + 1) * Grain;
    if (static_cast<std::size_t>(own.end - own.next) < size) refill(own);
    void* cell = own.next;
    own.next += size;
    return cell;
}

void SlabPool::release(void* cell, std::size_t bytes) noexcept {
    if (!cell) return;
    if (Sanitized || bytes == 0 || bytes > MaxBytes) return ::operator delete(cell);
    cells.free[classOf(bytes)].push(cell);
}

void* SlabPool::allocateBlock() {
    if (Sanitized) return ::operator new(BlockBytes);
    ThreadCells& own = cells;
    if (void* block = own.freeBlocks.pop()) return block;
    if (static_cast<std::size_t>(own.end - own.next) < BlockBytes) refill(own);
    own.end -= BlockBytes;
    return own.end;
}

void SlabPool::releaseBlock(void* block) noexcept {
    if (!block) return;
    if (Sanitized) return ::operator delete(block);
    cells.freeBlocks.push(block);
}

} // namespace ZUM
