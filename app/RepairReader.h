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
};
