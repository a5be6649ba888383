#include "encoding/XmlDetector.h"

#include <cstring>

#include "base/Exception.h"
#include "encoding/EncodingRegistry.h"
#include "encoding/XmlParseError.h"

namespace ZUM {

namespace {

constexpr const char* Letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr const char* VersionChars =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_.:-";
constexpr const char* NameChars =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789._-";

bool isOneOf(u8 c, const char* set) {
    return c != 0 && std::strchr(set, c) != nullptr;
}

bool starts(const u8* b, u8 b0, u8 b1, u8 b2, u8 b3) {
    return b[0] == b0 && b[1] == b1 && b[2] == b2 && b[3] == b3;
}

} // namespace

bool XmlDetector::reset() {
    mode = OneByte;
    count = 0;
    input = nullptr;
    declaredName.clear();
    hasName = false;
    return true;
}

int XmlDetector::detect(IFlow* flow) {
    input = flow;
    u8 b[4];
    try {
        for (u8& byte : b) byte = input->read8();
    } catch (const IOException&) {
        return 0;
    }
    if (starts(b, 0x00, 0x00, 0xFE, 0xFF) || starts(b, 0x00, 0x00, 0x00, 0x3C)) return Ucs4Be;
    if (starts(b, 0x3C, 0x00, 0x00, 0x00) || starts(b, 0xFF, 0xFE, 0x00, 0x00)) return Ucs4;
    if (b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) return Utf8;
    if (starts(b, 0xFE, 0xFF, 0x00, 0x3C)) return Utf16Be;
    if (starts(b, 0xFF, 0xFE, 0x3C, 0x00)) return Utf16Le;
    if (starts(b, 0x00, 0x3C, 0x00, 0x3F))
        mode = SecondOfTwo;
    else if (starts(b, 0x3C, 0x00, 0x3F, 0x00))
        mode = FirstOfTwo;
    else if (starts(b, 0x3C, 0x3F, 0x78, 0x6D))
        mode = OneByte;

    try {
        if (input->reset()) parseDeclaration();
    } catch (const XmlParseError&) {
    } catch (const IOException&) {
    }
    if (hasName) {
        declaredName.terminate();
        if (int id = encodingIdOf(declaredName.data())) return id;
    }
    switch (mode) {
    case OneByte: return Utf8;
    case SecondOfTwo: return Utf16Be;
    case FirstOfTwo: return Utf16Le;
    default: return 0;
    }
}

u8 XmlDetector::readChar() {
    if (count > 0) return lookAhead[--count];
    const u8 first = input->read8();
    if (mode == OneByte) return first;
    const u8 second = input->read8();
    return mode == SecondOfTwo ? second : first;
}

// The reader never pushes back more than one keyword; a full buffer drops the
// byte rather than overrun.
void XmlDetector::pushBack(u8 c) {
    if (count < LookAheadSize) lookAhead[count++] = c;
}

bool XmlDetector::match(const char* keyword) {
    const int n = static_cast<int>(std::strlen(keyword));
    u8 read[LookAheadSize];
    bool equal = true;
    for (int i = 0; i < n; ++i) {
        read[i] = readChar();
        equal = equal && read[i] == static_cast<u8>(keyword[i]);
    }
    if (!equal) {
        for (int i = n; i > 0; --i) pushBack(read[i - 1]);
    }
    return equal;
}

bool XmlDetector::skipSpace() {
    bool skipped = false;
    for (;;) {
        const u8 c = readChar();
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') {
            pushBack(c);
            return skipped;
        }
        skipped = true;
    }
}

void XmlDetector::expect(char quote, std::int32_t code, const char* message) {
    if (readChar() != static_cast<u8>(quote)) throw XmlParseError{code, message};
}

void XmlDetector::parseDeclaration() {
    if (!match("<?xml")) return;
    if (!skipSpace()) throw XmlParseError{70, "can't find space."};
    if (!match("version"))
        throw XmlParseError{10, "can't find 'version' between '<?xml' and '?>'."};
    skipSpace();
    expect('=', 130, "can't find '='.");
    skipSpace();
    readVersion();
    if (!skipSpace() || !match("encoding")) return;
    skipSpace();
    expect('=', 130, "can't find '='.");
    skipSpace();
    readEncodingName();
}

void XmlDetector::readVersion() {
    const u8 open = readChar();
    const bool single = open == '\'';
    if (!single && open != '"')
        throw XmlParseError{60, "version number specification syntax error."};
    u8 c = readChar();
    if (!isOneOf(c, VersionChars))
        throw XmlParseError{single ? 20 : 40, "version number pase error"};
    while (isOneOf(c, VersionChars)) c = readChar();
    pushBack(c);
    if (single)
        expect('\'', 30, "can't find \"'\".");
    else
        expect('"', 50, "can't find '\"'.");
}

void XmlDetector::readEncodingName() {
    const u8 open = readChar();
    const bool single = open == '\'';
    if (!single && open != '"') throw XmlParseError{120, "encoding specification syntax error."};
    u8 c = readChar();
    if (!isOneOf(c, Letters)) throw XmlParseError{single ? 80 : 100, "encoding name parse error"};
    declaredName.clear();
    while (isOneOf(c, NameChars)) {
        declaredName.push(static_cast<char>(c));
        c = readChar();
    }
    pushBack(c);
    if (single)
        expect('\'', 90, "can't find \"'\".");
    else
        expect('"', 110, "can't find '\"'.");
    hasName = true;
}

} // namespace ZUM
