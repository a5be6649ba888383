#pragma once

#include <cstdint>

#include "base/NDLinkList.h"
#include "xml/XMLParserSrcUnit.h"

namespace ZUM {

// The parser's input: a stack of texts that the scanning operations read as one
// continuous text. Reading past the end of the top unit goes on in the unit
// below, where the reference that pushed it stood. Consuming pops every unit
// read to its end, so after any consuming step the top unit has a code unit
// left or the stack is empty (end of input). No operation throws except on
// allocation failure.
class XMLParserSrc final : public NDLinkList<XMLParserSrcUnit> {
public:
    XMLParserSrc() : NDLinkList<XMLParserSrcUnit>(true) {}

    void pushUnit(XMLParserSrcUnit* unit) { prepend(unit); }
    XMLParserSrcUnit* topUnit() const { return first(); }
    XMLParserSrcUnit* popUnit() { return removeFirst(); }

    // The next code unit, or -1 at end of input; consumes nothing.
    int peek() const { return peekAt(0); }
    // The unit `offset` units ahead of the next one, or -1 past the end.
    int peekAt(u32 offset) const;
    bool atEnd() const { return peek() < 0; }
    // Code units left in all units together.
    std::uint64_t remaining() const;

    // Whether the next `count` units are `text`; consumes nothing.
    template <typename C>
    bool peekMatch(u32 count, const C* text) const;
    // Consumes `count` units; false when the input ended first.
    bool skip(u32 count);
    template <typename C>
    bool matchAndSkip(u32 count, const C* text) {
        return peekMatch(count, text) && skip(count);
    }
    // Literal forms: peekMatch(u"<!--").
    template <typename C, u32 N>
    bool peekMatch(const C (&text)[N]) const {
        return peekMatch(N - 1, text);
    }
    template <typename C, u32 N>
    bool matchAndSkip(const C (&text)[N]) {
        return matchAndSkip(N - 1, text);
    }

    // Sets and terminators are arrays of code units with their length; sets
    // hold ASCII units only. The readers append what they take to `out`.

    // Everything up to the terminator or end of input; the terminator stays
    // unread.
    void readUntilString(const u16* terminator, u32 length, Utf16String& out);
    // The units up to one of `set` or end of input; false (nothing
    // consumed) when none could be taken. The stop unit stays unread.
    bool readUntilAny(const u16* set, u32 size, Utf16String& out);
    // Appends every following unit that is in `set`; whether one was.
    bool readWhileAny(const u16* set, u32 size, Utf16String& out);
    // Appends every following unit whose name-character class has a bit of `mask`.
    bool readWhileClass(u8 mask, Utf16String& out);
    // Consumes a run of space, tab, CR and LF, appending it to `run` when one
    // is given. Whether any whitespace was taken.
    bool skipSpace(Utf16String* run = nullptr);

private:
    // A reading position that may run ahead of the stack without changing it.
    struct Cursor {
        XMLParserSrcUnit* unit;
        const u16* at;
    };

    Cursor cursor() const;
    static void normalise(Cursor& c);
    static bool matchesAt(Cursor c, u32 count, const u16* text);
    void commit(const Cursor& c);
    template <class Scan>
    bool readWhile(Scan scan, Utf16String* out);
};

template <typename C>
bool XMLParserSrc::peekMatch(u32 count, const C* text) const {
    XMLParserSrcUnit* unit = first();
    // The whole text usually lies in the top unit.
    if (unit && unit->remaining() >= count) {
        for (u32 i = 0; i < count; ++i)
            if (unit->position[i] != static_cast<u16>(text[i])) return false;
        return true;
    }
    for (; unit && count; unit = unit->getNext()) {
        u32 n = unit->remaining() < count ? unit->remaining() : count;
        for (u32 i = 0; i < n; ++i)
            if (unit->position[i] != static_cast<u16>(text[i])) return false;
        text += n;
        count -= n;
    }
    return count == 0;
}

} // namespace ZUM
