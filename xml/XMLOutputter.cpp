#include "xml/XMLOutputter.h"

#include "base/OFlow.h"

namespace ZUM {

namespace {

// The markup characters and, with RestoreReferences, the markers the parser
// leaves for a reference it kept: U+0001 name U+0002 becomes "&name;".
constexpr std::uint64_t bit(u16 unit) {
    return std::uint64_t(1) << unit;
}
constexpr std::uint64_t markup = bit(u'<') | bit(u'>') | bit(u'&') | bit(u'\'') | bit(u'"');
constexpr std::uint64_t markers = bit(1) | bit(2);

const char16_t* replacementOf(u16 unit) {
    switch (unit) {
    case u'<': return u"&lt;";
    case u'>': return u"&gt;";
    case u'&': return u"&amp;";
    case u'\'': return u"&apos;";
    case u'"': return u"&quot;";
    case 1: return u"&";
    default: return u";";
    }
}

} // namespace

void XMLOutputter::writeChar(u16 unit) {
    flow->write16(unit);
}

void XMLOutputter::write(const Utf16String& text) {
    writeRun(text.data(), text.length());
}

void XMLOutputter::write(const u16* terminated) {
    writeRun(terminated, Utf16String::terminatedLength(terminated));
}

void XMLOutputter::writeEscaped(const Utf16String& text) {
    const std::uint64_t escaped = hasFlag(RestoreReferences) ? markup | markers : markup;
    const u16* units = text.data();
    const u32 length = text.length();
    u32 runStart = 0;
    for (u32 i = 0; i < length; ++i) {
        const u16 unit = units[i];
        if (unit >= 64 || !(escaped & bit(unit))) continue;
        writeRun(units + runStart, i - runStart);
        write(replacementOf(unit));
        runStart = i + 1;
    }
    writeRun(units + runStart, length - runStart);
}

void XMLOutputter::writeRun(const u16* units, u32 count) {
    if (count == 0) return;
    u32 written;
    flow->write16Many(count, units, written);
}

} // namespace ZUM
