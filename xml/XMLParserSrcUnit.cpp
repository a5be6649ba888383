#include "xml/XMLParserSrcUnit.h"

#include "base/RawMemory.h"

namespace ZUM {

XMLParserSrcUnit::XMLParserSrcUnit(const Utf16String& name, const Utf16String& text)
    : name(name), text(&text), ownsText(false), end(text.endPointer()), position(text.data()),
      kept(firstKept()) {}

XMLParserSrcUnit::XMLParserSrcUnit(const Utf16String& name, const u16* units, u32 count)
    : name(name), text(new Utf16String(units, count)), ownsText(true),
      end(this->text->endPointer()), position(this->text->data()), kept(firstKept()) {}

// A decoded text's buffer was reserved for the most units its bytes could
// give, and a large one made ready whole; the room past the end is given back
// before reading starts. A small one's room was never touched, and giving it
// back would cost a call and, with other threads, their caches of the pages.
XMLParserSrcUnit::XMLParserSrcUnit(const Utf16String& name, std::unique_ptr<Utf16String> owned)
    : name(name), text(owned.release()), ownsText(true), end(this->text->endPointer()),
      position(this->text->data()), kept(firstKept()) {
    if (kept == end || text->capacityBytes() < PreparedBytes) return;
    const u16* bufferEnd = text->data() - text->frontGap() + text->capacityBytes() / sizeof(u16);
    discardPages(const_cast<u16*>(end), static_cast<std::size_t>(bufferEnd - end) * sizeof(u16));
}

const u16* XMLParserSrcUnit::firstKept() const {
    return ownsText && text->capacityBytes() != 0 ? position : end;
}

void XMLParserSrcUnit::discardRead() {
    discardPages(const_cast<u16*>(kept), static_cast<std::size_t>(position - kept) * sizeof(u16));
    kept = position;
}

XMLParserSrcUnit::~XMLParserSrcUnit() {
    if (ownsText) delete text;
}

} // namespace ZUM
