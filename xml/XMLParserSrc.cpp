#include "xml/XMLParserSrc.h"

#include "xml/tables/NameCharTable.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace ZUM {

namespace {

// Membership in a set of ASCII code units, as a bitmap.
class UnitSet {
public:
    UnitSet(const u16* units, u32 size) {
        for (u32 i = 0; i < size; ++i)
            if (units[i] < 128) bits[units[i] >> 6] |= std::uint64_t(1) << (units[i] & 63);
    }

    bool contains(u16 unit) const { return unit < 128 && (bits[unit >> 6] >> (unit & 63) & 1); }

private:
    std::uint64_t bits[2] = {0, 0};
};

// A scan that keeps the units `keep` accepts, one at a time.
template <class Keep>
auto keeping(Keep keep) {
    return [keep](const u16* p, const u16* end) {
        while (p < end && keep(*p)) ++p;
        return p;
    };
}

// The scan of a run up to any of a few stop units (the delimiters of
// character data and of quoted values), eight units at a time where the
// processor has vector registers.
class StopScan {
public:
    static constexpr u32 MaxStops = 3;

    StopScan(const u16* set, u32 size) : stops(set, size) {
#if defined(__SSE2__)
        for (u32 i = 0; i < MaxStops; ++i)
            lanes[i] = _mm_set1_epi16(static_cast<short>(set[i < size ? i : 0]));
#endif
    }

    const u16* operator()(const u16* p, const u16* end) const {
#if defined(__SSE2__)
        for (; end - p >= 8; p += 8) {
            const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            const __m128i hits = _mm_or_si128(
                _mm_or_si128(_mm_cmpeq_epi16(units, lanes[0]), _mm_cmpeq_epi16(units, lanes[1])),
                _mm_cmpeq_epi16(units, lanes[2]));
            if (const int mask = _mm_movemask_epi8(hits)) return p + __builtin_ctz(mask) / 2;
        }
#endif
        while (p < end && !stops.contains(*p)) ++p;
        return p;
    }

private:
    UnitSet stops;
#if defined(__SSE2__)
    __m128i lanes[MaxStops];
#endif
};

} // namespace

int XMLParserSrc::peekAt(u32 offset) const {
    for (XMLParserSrcUnit* unit = first(); unit; unit = unit->getNext()) {
        if (offset < unit->remaining()) return unit->position[offset];
        offset -= unit->remaining();
    }
    return -1;
}

std::uint64_t XMLParserSrc::remaining() const {
    std::uint64_t total = 0;
    for (XMLParserSrcUnit* unit = first(); unit; unit = unit->getNext()) total += unit->remaining();
    return total;
}

bool XMLParserSrc::skip(u32 count) {
    while (count) {
        XMLParserSrcUnit* unit = first();
        if (!unit) return false;
        u32 n = unit->remaining() < count ? unit->remaining() : count;
        unit->moveTo(unit->position + n);
        count -= n;
        if (unit->position >= unit->end) delete popUnit();
    }
    return true;
}

XMLParserSrc::Cursor XMLParserSrc::cursor() const {
    Cursor c{first(), nullptr};
    if (c.unit) c.at = c.unit->position;
    normalise(c);
    return c;
}

void XMLParserSrc::normalise(Cursor& c) {
    while (c.unit && c.at >= c.unit->end) {
        c.unit = c.unit->getNext();
        c.at = c.unit ? c.unit->position : nullptr;
    }
}

bool XMLParserSrc::matchesAt(Cursor c, u32 count, const u16* text) {
    for (u32 i = 0; i < count; ++i, ++c.at) {
        normalise(c);
        if (!c.unit || *c.at != text[i]) return false;
    }
    return true;
}

void XMLParserSrc::commit(const Cursor& c) {
    while (first() != c.unit) delete popUnit();
    if (!c.unit) return;
    c.unit->moveTo(c.at);
    if (c.at >= c.unit->end) delete popUnit();
}

// Takes the units `scan` passes over (it answers where in [p, end) the run
// stops), appending each unit's run in one step.
template <class Scan>
bool XMLParserSrc::readWhile(Scan scan, Utf16String* out) {
    // Most runs stop inside the top unit: no cursor is needed for them.
    if (XMLParserSrcUnit* top = first()) {
        const u16* start = top->position;
        const u16* p = scan(start, top->end);
        if (p < top->end) {
            if (p == start) return false;
            if (out) out->append(start, static_cast<u32>(p - start));
            top->moveTo(p);
            return true;
        }
    }
    Cursor c = cursor();
    bool took = false;
    while (c.unit) {
        const u16* start = c.at;
        const u16* end = c.unit->end;
        const u16* p = scan(start, end);
        if (p != start) {
            if (out) out->append(start, static_cast<u32>(p - start));
            took = true;
        }
        c.at = p;
        if (p < end) break;
        normalise(c);
    }
    if (took) commit(c);
    return took;
}

void XMLParserSrc::readUntilString(const u16* terminator, u32 length, Utf16String& out) {
    Cursor c = cursor();
    while (c.unit) {
        const u16* start = c.at;
        const u16* end = c.unit->end;
        const u16* p = start;
        while (p < end &&
               !(length && *p == terminator[0] && matchesAt({c.unit, p}, length, terminator)))
            ++p;
        out.append(start, static_cast<u32>(p - start));
        c.at = p;
        if (p < end) break;
        normalise(c);
    }
    commit(c);
}

bool XMLParserSrc::readUntilAny(const u16* set, u32 size, Utf16String& out) {
    if (size <= StopScan::MaxStops && size > 0) return readWhile(StopScan(set, size), &out);
    UnitSet stop(set, size);
    return readWhile(keeping([&stop](u16 unit) { return !stop.contains(unit); }), &out);
}

bool XMLParserSrc::readWhileAny(const u16* set, u32 size, Utf16String& out) {
    UnitSet accept(set, size);
    return readWhile(keeping([&accept](u16 unit) { return accept.contains(unit); }), &out);
}

bool XMLParserSrc::readWhileClass(u8 mask, Utf16String& out) {
    return readWhile(keeping([mask](u16 unit) { return (nameCharClass[unit] & mask) != 0; }), &out);
}

bool XMLParserSrc::skipSpace(Utf16String* run) {
    return readWhile(keeping([](u16 unit) {
                         return unit == 0x20 || unit == 0x09 || unit == 0x0D || unit == 0x0A;
                     }),
                     run);
}

} // namespace ZUM
