#pragma once

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
    int decodingFor(const ZUM::MemBlock& raw, int detectedId) override {
        return FaithfulDecoding::choose(raw.data, raw.size, detectedId);
    }
    // U+0001 and U+0002 mark the entity references the parser keeps, so a
    // document holding them itself (never well-formed XML) would come back
    // changed; a surrogate without its partner could not be saved as UTF-8.
    // Either is refused.
    bool acceptsText(const ZUM::Utf16String& text) override {
        const ZUM::u16* units = text.data();
        const ZUM::u32 length = text.length();
        for (ZUM::u32 i = 0; i < length; ++i) {
            const ZUM::u16 unit = units[i];
            if (unit == 0x0001 || unit == 0x0002) return false;
            if (!ZUM::Surrogates::isSurrogate(unit)) continue;
            if (i + 1 == length || !ZUM::Surrogates::combine(unit, units[i + 1])) return false;
            ++i;
        }
        return true;
    }
};
