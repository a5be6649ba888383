#pragma once

#include "app/FaithfulDecoding.h"
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
    // changed: it is refused.
    bool acceptsText(const ZUM::Utf16String& text) override {
        const ZUM::u16* units = text.data();
        for (ZUM::u32 i = 0; i < text.length(); ++i) {
            if (units[i] == 0x0001 || units[i] == 0x0002) return false;
        }
        return true;
    }
};
