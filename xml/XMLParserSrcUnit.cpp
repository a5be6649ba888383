#include "xml/XMLParserSrcUnit.h"

namespace ZUM {

XMLParserSrcUnit::XMLParserSrcUnit(const Utf16String& name, const Utf16String& text)
    : name(name), text(&text), ownsText(false), end(text.endPointer()), position(text.data()) {}

XMLParserSrcUnit::XMLParserSrcUnit(const Utf16String& name, const u16* units, u32 count)
    : name(name), text(new Utf16String(units, count)), ownsText(true),
      end(this->text->endPointer()), position(this->text->data()) {}

XMLParserSrcUnit::XMLParserSrcUnit(const Utf16String& name, std::unique_ptr<Utf16String> owned)
    : name(name), text(owned.release()), ownsText(true), end(this->text->endPointer()),
      position(this->text->data()) {}

XMLParserSrcUnit::~XMLParserSrcUnit() {
    if (ownsText) delete text;
}

} // namespace ZUM
