#pragma once

#include "base/TString.h"
#include "encoding/Detector.h"

namespace ZUM {

// The encoding of an XML document: its byte-order mark or first characters
// decide the form of the Unicode encodings; otherwise the encoding named in the
// XML declaration, read in the character width the first bytes suggest, and
// failing that UTF-8 (or UTF-16 of the byte order seen).
class XmlDetector : public Detector {
public:
    int detect(IFlow* input) override;
    bool reset() override;

private:
    enum Mode { OneByte = 1, SecondOfTwo = 2, FirstOfTwo = 3 };
    static constexpr int LookAheadSize = 24;

    void parseDeclaration();
    void readVersion();
    void readEncodingName();
    u8 readChar();
    void pushBack(u8 c);
    bool match(const char* keyword);
    bool skipSpace();
    void expect(char quote, std::int32_t code, const char* message);

    int mode = OneByte;
    u8 lookAhead[LookAheadSize];
    int count = 0;
    IFlow* input = nullptr;
    Utf8String declaredName;
    bool hasName = false;
};

} // namespace ZUM
