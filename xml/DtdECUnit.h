#pragma once

#include <cstdint>

#include "base/LinkList.h"
#include "base/Object.h"
#include "base/TString.h"

namespace ZUM {

class Document;
class XMLOutputter;

// One unit of an element declaration's content model: a keyword, a name or a
// group of units. The flags word holds the kind outside OccurrenceMask and the
// occurrence inside it. A unit owns its children.
class DtdECUnit : public Object {
public:
    enum Flags : u32 {
        NoContent = 0,
        Empty = 1,
        Any = 2,
        PCData = 4,
        Name = 8,
        PCDataGroup = 16, // ( #PCDATA )
        Mixed = 32,       // ( #PCDATA | a | b )*
        Sequence = 64,
        Choice = 128,
        Optional = 0x1000,
        OneOrMore = 0x2000,
        ZeroOrMore = 0x4000,
        OccurrenceMask = 0xF000,
    };

    explicit DtdECUnit(Document* document) : document(document) {}
    DtdECUnit(const DtdECUnit&) = delete;
    DtdECUnit& operator=(const DtdECUnit&) = delete;
    ~DtdECUnit();

    u32 getFlags() const { return flags; }
    void setFlags(u32 value) { flags = value; }
    void addFlags(u32 value) { flags |= value; }
    u32 kind() const { return flags & ~u32(OccurrenceMask); }

    Utf16String* getName() const { return name; }
    // Interned in the document's name table.
    void setName(const Utf16String& text);

    // Null until the first child arrives.
    LinkList<DtdECUnit>* getChildren() const { return children; }
    // Takes ownership of `child` and appends it.
    void appendChild(DtdECUnit* child);

    // Writes the unit and its members in declaration syntax.
    void output(XMLOutputter& out) const;

private:
    Document* document;
    u32 flags = NoContent;
    Utf16String* name = nullptr;
    LinkList<DtdECUnit>* children = nullptr;
};

} // namespace ZUM
