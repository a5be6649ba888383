#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "base/Units.h"

namespace ZUM {

// ASCII, the common case of the markup the converters carry, tested and
// copied many units at once: eight bytes or four 16-bit units in a word, and
// whole blocks of sixteen where the processor has vector registers.
struct AsciiWord {
    static bool allAscii(const u8* bytes) {
        std::uint64_t word;
        std::memcpy(&word, bytes, sizeof word);
        return (word & 0x8080808080808080u) == 0;
    }
    static bool allAscii(const u16* units) {
        std::uint64_t word;
        std::memcpy(&word, units, sizeof word);
        return (word & 0xFF80FF80FF80FF80u) == 0;
    }

    static constexpr u32 Block = 16;

    // Carries the ASCII blocks at `from` (before `limit`) over to `to + n`,
    // both moved on, when the text and the room left each hold a block; true
    // when any moved.
    template <typename From, typename To>
    static bool carryBlocks(const From*& from, const From* limit, To* to, u32& n, u32 room) {
        if (*from >= 0x80 || limit - from < Block || room - n < Block) return false;
        const u32 moved =
            copyBlocks(from, to + n, std::min(static_cast<u32>(limit - from), room - n));
        from += moved;
        n += moved;
        return moved != 0;
    }

    // Widens the ASCII blocks at the front of the `count` bytes into units;
    // the number of units written, a multiple of Block (0 without vectors).
    static u32 copyBlocks(const u8* from, u16* to, u32 count) {
        u32 done = 0;
#if defined(__SSE2__)
        const __m128i zero = _mm_setzero_si128();
        for (; count - done >= Block; done += Block) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + done));
            if (_mm_movemask_epi8(bytes)) break;
            _mm_storeu_si128(reinterpret_cast<__m128i*>(to + done), _mm_unpacklo_epi8(bytes, zero));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(to + done + 8),
                             _mm_unpackhi_epi8(bytes, zero));
        }
#else
        (void)from, (void)to, (void)count;
#endif
        return done;
    }

    // Narrows the ASCII blocks at the front of the `count` units into bytes;
    // the number of bytes written, a multiple of Block (0 without vectors).
    static u32 copyBlocks(const u16* from, u8* to, u32 count) {
        u32 done = 0;
#if defined(__SSE2__)
        const __m128i high = _mm_set1_epi16(static_cast<short>(0xFF80));
        for (; count - done >= Block; done += Block) {
            const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + done));
            const __m128i second =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + done + 8));
            const __m128i over = _mm_and_si128(_mm_or_si128(first, second), high);
            if (_mm_movemask_epi8(_mm_cmpeq_epi16(over, _mm_setzero_si128())) != 0xFFFF) break;
            _mm_storeu_si128(reinterpret_cast<__m128i*>(to + done),
                             _mm_packus_epi16(first, second));
        }
#else
        (void)from, (void)to, (void)count;
#endif
        return done;
    }
};

} // namespace ZUM
