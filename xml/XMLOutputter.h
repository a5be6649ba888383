#pragma once

#include "base/TString.h"
#include "base/Units.h"

namespace ZUM {

class OFlow;

// Writes a document tree as UTF-16 units to an output flow: each node's
// output writes through the four writing operations here. Nothing is
// buffered: every piece goes straight to the flow, whose failures pass
// through. The flow is borrowed.
class XMLOutputter {
public:
    enum Flags : u32 {
        NameLabels = 0x01,           // an element's name fields as a bracketed label
        RestoreReferences = 0x04,    // the markers U+0001, U+0002 become "&" and ";"
        SpaceBeforeEmptyEnd = 0x08,  // "<a />" rather than "<a/>"
        NoSpaceBeforeDeclEnd = 0x10, // "<?xml version=\"1.0\"?>"
        ExplicitEndTags = 0x20,      // "<a></a>" for a childless element marked so
    };

    XMLOutputter(OFlow* flow, u32 flags) : flow(flow), flags(flags) {}
    XMLOutputter(const XMLOutputter&) = delete;
    XMLOutputter& operator=(const XMLOutputter&) = delete;
    virtual ~XMLOutputter() = default;

    virtual void writeChar(u16 unit);
    virtual void write(const Utf16String& text);
    virtual void write(const u16* terminated);
    // Writes the text with the markup characters as entity references; runs
    // without them go to the flow in one piece.
    virtual void writeEscaped(const Utf16String& text);

    // Literal markup, as in write(u"<!--").
    void write(const char16_t* literal) { write(reinterpret_cast<const u16*>(literal)); }

    OFlow* getFlow() const { return flow; }
    u32 getFlags() const { return flags; }
    bool hasFlag(u32 flag) const { return (flags & flag) != 0; }

private:
    void writeRun(const u16* units, u32 count);

    OFlow* flow;
    u32 flags;
};

} // namespace ZUM
