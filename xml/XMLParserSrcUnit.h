#pragma once

#include <memory>
#include <vector>

#include "base/NDLinkListNode.h"
#include "base/TString.h"

namespace ZUM {

// One text on the parser's input stack: the decoded document, or the
// replacement text of an entity being expanded. `position` and `end` point into
// the text's own buffer, so the text must not change while the unit lives.
// Reading only goes forward: a unit that owns its text gives the pages it has
// read back to the system as it goes, so a large document does not stay whole
// in memory beside the tree it becomes.
class XMLParserSrcUnit : public NDLinkListNode<XMLParserSrcUnit> {
public:
    // Borrows `text` (an entity's replacement text stays its entity's).
    XMLParserSrcUnit(const Utf16String& name, const Utf16String& text);
    // Reads its own copy of `count` units (the loader's document text).
    XMLParserSrcUnit(const Utf16String& name, const u16* units, u32 count);
    // Reads and owns `text`, made by the caller with new (no copy).
    XMLParserSrcUnit(const Utf16String& name, std::unique_ptr<Utf16String> text);
    ~XMLParserSrcUnit();

    XMLParserSrcUnit(const XMLParserSrcUnit&) = delete;
    XMLParserSrcUnit& operator=(const XMLParserSrcUnit&) = delete;

    u32 remaining() const { return static_cast<u32>(end - position); }

    // Moves the reading position forward to `to`, within the text.
    void moveTo(const u16* to) {
        position = to;
        if (position - kept >= DiscardUnits) [[unlikely]]
            discardRead();
    }

    Utf16String name; // a copy, so no caller's string has to outlive the unit
    const Utf16String* text;
    bool ownsText;
    const u16* end;
    const u16* position;
    // The replacement texts whose expansion this text is part of, outermost
    // first: a reference to one of them again would expand without end.
    std::vector<const Utf16String*> expanding;

private:
    // Read text is given back in steps of this many units (1 MiB): each step
    // flushes the address translations, which a virtual machine makes dear.
    static constexpr std::ptrdiff_t DiscardUnits = std::ptrdiff_t(1) << 19;

    void discardRead();

    // The first unit not given back; the end for a text this unit may not
    // touch (borrowed, or in a buffer its string does not own).
    const u16* kept;
    const u16* firstKept() const;
};

} // namespace ZUM
