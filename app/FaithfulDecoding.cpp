#include "app/FaithfulDecoding.h"

#include "encoding/AsciiWord.h"
#include "encoding/JisCode.h"
#include "encoding/tables/JisTables.h"
#include "encoding/tables/LatinTables.h"

using namespace ZUM;

namespace {

enum Id {
    UsAscii = 1,
    Utf8 = 7,
    Utf8N = 8,
    Iso2022Jp = 21,
    EucJp = 22,
    ShiftJis = 23,
    FirstIso8859 = 24,
    LastIso8859 = 36,
    Cp932 = 37,
    EucJpMs = 38,
    Cp1252 = 39,
};

bool mapped(const CodeTable& table, u16 code) {
    return table.lookup(code) != CodeTable::Unmapped;
}

bool isSjisLead(u8 b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xEF);
}

bool isKana(u8 b) {
    return b >= 0xA1 && b <= 0xDF;
}

// The unit size of the 16- and 32-bit forms, 0 for the others.
unsigned unitSizeOf(int id) {
    if ((id >= 2 && id <= 3) || (id >= 9 && id <= 10) || (id >= 13 && id <= 16)) return 2;
    if ((id >= 4 && id <= 5) || (id >= 11 && id <= 12) || (id >= 17 && id <= 20)) return 4;
    return 0;
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
    if (const unsigned unit = unitSizeOf(id)) return size % unit == 0 ? id : 0;
    return id;
}

// Well-formed UTF-8: shortest forms, no surrogates, nothing above U+10FFFF.
bool FaithfulDecoding::utf8(const u8* b, u32 size) {
    for (u32 i = 0; i < size;) {
        if (size - i >= 8 && AsciiWord::allAscii(b + i)) {
            i += 8;
            continue;
        }
        const u8 lead = b[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        u32 length;
        u8 low = 0x80, high = 0xBF; // the range of the second byte
        if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        } else {
            return false;
        }
        if (size - i < length || b[i + 1] < low || b[i + 1] > high) return false;
        for (u32 k = 2; k < length; ++k) {
            if (b[i + k] < 0x80 || b[i + k] > 0xBF) return false;
        }
        i += length;
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
        if (c < 0x80 || isKana(c)) {
            ++i;
            continue;
        }
        if (!cp932 && !isSjisLead(c)) return false;
        if (i + 1 == size || !mapped(table, JisCode::pair(c, b[i + 1]))) return false;
        i += 2;
    }
    return true;
}

// EUC-JP is decoded through Shift_JIS (eucJP-ms through CP932): ASCII, SS2
// katakana and pairs of A1 to FE; JIS X 0212 (SS3) and stray bytes are lost.
bool FaithfulDecoding::eucJp(const u8* b, u32 size, bool cp932) {
    const CodeTable& table = cp932 ? cp932ToUcs2Table : sjisToUcs2Table;
    auto isEucByte = [](u8 x) { return x >= 0xA1 && x <= 0xFE; };
    for (u32 i = 0; i < size;) {
        const u8 c = b[i];
        if (c < 0x80) {
            ++i;
        } else if (c == 0x8E && i + 1 < size && isKana(b[i + 1])) {
            i += 2;
        } else if (isEucByte(c) && i + 1 < size && isEucByte(b[i + 1]) &&
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
            auto isRowCell = [](u8 x) { return x >= 0x21 && x <= 0x7E; };
            if (i + 1 == size || !isRowCell(c) || !isRowCell(b[i + 1]) ||
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
