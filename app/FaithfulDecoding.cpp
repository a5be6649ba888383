#include "app/FaithfulDecoding.h"

#include "base/Utf8Sequence.h"
#include "encoding/AsciiWord.h"
#include "encoding/EncodingId.h"
#include "encoding/JisCode.h"
#include "encoding/SjisByteClass.h"
#include "encoding/tables/JisTables.h"
#include "encoding/tables/LatinTables.h"

using namespace ZUM;

namespace {

bool mapped(const CodeTable& table, u16 code) {
    return table.lookup(code) != CodeTable::Unmapped;
}

bool is(u8 byte, u8 byteClass) {
    return (sjisByteClasses[byte] & byteClass) != 0;
}

} // namespace

int FaithfulDecoding::choose(const u8* bytes, u32 size, int id) {
    switch (id) {
    case Utf8:
    case Utf8N: return utf8(bytes, size) ? id : 0;
    case ShiftJis:
        if (shiftJis(bytes, size, false)) return id;
        return shiftJis(bytes, size, true) ? Cp932 : 0;
    case Cp932: return shiftJis(bytes, size, true) ? id : 0;
    case EucJp: return eucJp(bytes, size, false) ? id : 0;
    case EucJpMs: return eucJp(bytes, size, true) ? id : 0;
    case Iso2022Jp: return iso2022Jp(bytes, size) ? id : 0;
    default: break;
    }
    if (id == UsAscii || id == Cp1252 || (id >= FirstIso8859 && id <= LastIso8859))
        return singleBytes(bytes, size, id) ? id : 0;
    if (const int unit = unitBytesOf(id); unit > 1) return size % unit == 0 ? id : 0;
    return id;
}

// Well-formed UTF-8: shortest forms, no surrogates, nothing above U+10FFFF.
bool FaithfulDecoding::utf8(const u8* b, u32 size) {
    char32_t c;
    for (u32 i = 0, length; i < size; i += length) {
        if (size - i >= 8 && AsciiWord::allAscii(b + i)) {
            length = 8;
            continue;
        }
        if (b[i] < 0x80) {
            length = 1;
            continue;
        }
        if (!(length = Utf8Sequence::decode(b + i, size - i, c))) return false;
    }
    return true;
}

// Shift_JIS decodes control bytes as themselves, the printable and katakana
// single bytes and lead-trail pairs through its table, and skips other bytes;
// CP932 reads every other byte from 80 up as the lead of a pair.
bool FaithfulDecoding::shiftJis(const u8* b, u32 size, bool cp932) {
    const CodeTable& table = cp932 ? cp932ToUcs2Table : sjisToUcs2Table;
    for (u32 i = 0; i < size;) {
        if (size - i >= 8 && AsciiWord::allAscii(b + i)) {
            i += 8;
            continue;
        }
        const u8 c = b[i];
        if (c < 0x80 || is(c, HalfWidthKana)) {
            ++i;
            continue;
        }
        if (!cp932 && !is(c, SjisLead)) return false;
        if (i + 1 == size || !mapped(table, JisCode::pair(c, b[i + 1]))) return false;
        i += 2;
    }
    return true;
}

// EUC-JP is decoded through Shift_JIS (eucJP-ms through CP932): ASCII, SS2
// katakana and pairs of A1 to FE; JIS X 0212 (SS3) and stray bytes are lost.
bool FaithfulDecoding::eucJp(const u8* b, u32 size, bool cp932) {
    const CodeTable& table = cp932 ? cp932ToUcs2Table : sjisToUcs2Table;
    for (u32 i = 0; i < size;) {
        const u8 c = b[i];
        if (c < 0x80) {
            ++i;
        } else if (c == 0x8E && i + 1 < size && is(b[i + 1], HalfWidthKana)) {
            i += 2;
        } else if (is(c, EucByte) && i + 1 < size && is(b[i + 1], EucByte) &&
                   mapped(table, JisCode::eucToSjis(JisCode::pair(c, b[i + 1])))) {
            i += 2;
        } else {
            return false;
        }
    }
    return true;
}

// ISO-2022-JP: seven-bit bytes only, the four designations the decoder knows,
// and in the double-byte sets complete pairs of mapped row/cell bytes.
bool FaithfulDecoding::iso2022Jp(const u8* b, u32 size) {
    bool doubleByte = false;
    for (u32 i = 0; i < size;) {
        const u8 c = b[i];
        if (c >= 0x80) return false;
        if (c == 0x1B) {
            if (size - i < 3) return false;
            const u8 set = b[i + 1], final = b[i + 2];
            if (set == '(' && (final == 'B' || final == 'J'))
                doubleByte = false;
            else if (set == '$' && (final == '@' || final == 'B'))
                doubleByte = true;
            else
                return false;
            i += 3;
        } else if (!doubleByte) {
            ++i;
        } else {
            if (i + 1 == size || !is(c, JisByte) || !is(b[i + 1], JisByte) ||
                !mapped(sjisToUcs2Table, JisCode::jisToSjis(JisCode::pair(c, b[i + 1]))))
                return false;
            i += 2;
        }
    }
    return true;
}

// US-ASCII defines no byte from 80 up; the ISO 8859 parts and Windows-1252
// leave some bytes undefined.
bool FaithfulDecoding::singleBytes(const u8* b, u32 size, int id) {
    for (u32 i = 0; i < size; ++i) {
        const u8 c = b[i];
        if (c < 0x80) continue;
        if (id == UsAscii) return false;
        const u16 unit =
            id == Cp1252 ? cp1252ToUcs2Table.lookup(c) : iso8859ToUcs2[id - FirstIso8859][c];
        if (unit == CodeTable::Unmapped) return false;
    }
    return true;
}
