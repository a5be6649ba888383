#pragma once

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "app/FaithfulDecoding.h"
#include "base/Surrogates.h"
#include "xml/XMLReader.h"

// The document reader of a repair: it decodes a document only in an encoding
// that carries every byte over (see FaithfulDecoding).
class RepairReader : public ZUM::XMLReader {
public:
    explicit RepairReader(ZUM::TextWriter<ZUM::u16>* errorWriter)
        : XMLReader(errorWriter, nullptr) {}

protected:
    bool decodeText(const ZUM::MemBlock& raw, int id, ZUM::Utf16String& text) override {
        return FaithfulDecoding::decode(raw, id, text) != 0;
    }
    // U+0001 and U+0002 mark the entity references the parser keeps, so a
    // document holding them itself (never well-formed XML) would come back
    // changed; a surrogate without its partner could not be saved as UTF-8.
    // Either is refused.
    bool acceptsText(const ZUM::Utf16String& text) override {
        const ZUM::u16* units = text.data();
        const ZUM::u32 length = text.length();
        for (ZUM::u32 i = 0; i < length; ++i) {
            i += plainBlocks(units + i, length - i);
            while (length - i >= 4 && plainWord(units + i)) i += 4;
            if (i == length) break;
            const ZUM::u16 unit = units[i];
            if (unit == 0x0001 || unit == 0x0002) return false;
            if (!ZUM::Surrogates::isSurrogate(unit)) continue;
            if (i + 1 == length || !ZUM::Surrogates::combine(unit, units[i + 1])) return false;
            ++i;
        }
        return true;
    }

private:
    // The plain units at the front of `count`, eight at a time where the
    // processor has vector registers, else four (see plainWord).
    static ZUM::u32 plainBlocks(const ZUM::u16* units, ZUM::u32 count) {
        ZUM::u32 done = 0;
#if defined(__SSE2__)
        const __m128i low = _mm_set1_epi16(static_cast<short>(0xFFFC));
        const __m128i top = _mm_set1_epi16(static_cast<short>(0xF800));
        const __m128i surrogate = _mm_set1_epi16(static_cast<short>(0xD800));
        for (; count - done >= 8; done += 8) {
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units + done));
            const __m128i odd =
                _mm_or_si128(_mm_cmpeq_epi16(_mm_and_si128(block, low), _mm_setzero_si128()),
                             _mm_cmpeq_epi16(_mm_and_si128(block, top), surrogate));
            if (_mm_movemask_epi8(odd)) break;
        }
#else
        while (count - done >= 8 && plainWord(units + done) && plainWord(units + done + 4))
            done += 8;
#endif
        return done;
    }

    // Four units none of which is below 4 or a surrogate, tested lane by lane
    // for a zero after masking: below 4 leaves no bit above the lowest two,
    // a surrogate is D800 in its top five bits.
    static bool plainWord(const ZUM::u16* units) {
        std::uint64_t word;
        std::memcpy(&word, units, sizeof word);
        const auto hasZeroLane = [](std::uint64_t v) {
            return ((v - 0x0001000100010001u) & ~v & 0x8000800080008000u) != 0;
        };
        return !hasZeroLane(word & 0xFFFCFFFCFFFCFFFCu) &&
               !hasZeroLane((word & 0xF800F800F800F800u) ^ 0xD800D800D800D800u);
    }
};
