#include "xml/XMLParserSrc.h"

#include "xml/tables/NameCharTable.h"

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

// Takes units while `keep` accepts them, appending each unit's run in one step.
template <class Keep>
bool XMLParserSrc::readWhile(Keep keep, Utf16String* out) {
    // Most runs stop inside the top unit: no cursor is needed for them.
    if (XMLParserSrcUnit* top = first()) {
        const u16* start = top->position;
        const u16* p = start;
        while (p < top->end && keep(*p)) ++p;
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
        const u16* p = start;
        while (p < end && keep(*p)) ++p;
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
    UnitSet stop(set, size);
    return readWhile([&stop](u16 unit) { return !stop.contains(unit); }, &out);
}

bool XMLParserSrc::readWhileAny(const u16* set, u32 size, Utf16String& out) {
    UnitSet accept(set, size);
    return readWhile([&accept](u16 unit) { return accept.contains(unit); }, &out);
}

bool XMLParserSrc::readWhileClass(u8 mask, Utf16String& out) {
    return readWhile([mask](u16 unit) { return (nameCharClass[unit] & mask) != 0; }, &out);
}

bool XMLParserSrc::skipSpace(Utf16String* run) {
    return readWhile(
        [](u16 unit) { return unit == 0x20 || unit == 0x09 || unit == 0x0D || unit == 0x0A; }, run);
}

} // namespace ZUM
