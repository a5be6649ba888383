#pragma once

// Every encoding id the library knows, and the width of the units each one
// travels in. Interfaces pass ids as plain ints; these are their names.
namespace ZUM {

enum EncodingId : int {
    UnknownEncoding = 0,
    UsAscii = 1,
    Ucs2 = 2,
    Ucs2Be = 3,
    Ucs4 = 4,
    Ucs4Be = 5,
    Utf7 = 6,
    Utf8 = 7,
    Utf8N = 8,
    Utf16 = 9,
    Utf16N = 10,
    Utf32 = 11,
    Utf32N = 12,
    Utf16Be = 13,
    Utf16Le = 14,
    Utf16BeBom = 15,
    Utf16LeBom = 16,
    Utf32Be = 17,
    Utf32Le = 18,
    Utf32BeBom = 19,
    Utf32LeBom = 20,
    Iso2022Jp = 21,
    EucJp = 22,
    ShiftJis = 23,
    Iso8859_1 = 24,
    Iso8859_2 = 25,
    Iso8859_3 = 26,
    Iso8859_4 = 27,
    Iso8859_5 = 28,
    Iso8859_6 = 29,
    Iso8859_7 = 30,
    Iso8859_8 = 31,
    Iso8859_9 = 32,
    Iso8859_10 = 33,
    Iso8859_13 = 34,
    Iso8859_14 = 35,
    Iso8859_15 = 36,
    Cp932 = 37,
    EucJpMs = 38,
    Cp1252 = 39,
    FirstIso8859 = Iso8859_1,
    LastIso8859 = Iso8859_15,
    LastEncoding = Cp1252,
};

// Bytes per unit of an encoding's stream: 2 for the UCS-2 and UTF-16 ids, 4
// for the UCS-4 and UTF-32 ids, 1 for every other (byte-stream) encoding.
constexpr int unitBytesOf(int id) {
    if ((id >= Ucs2 && id <= Ucs2Be) || (id >= Utf16 && id <= Utf16N) ||
        (id >= Utf16Be && id <= Utf16LeBom))
        return 2;
    if ((id >= Ucs4 && id <= Ucs4Be) || (id >= Utf32 && id <= Utf32N) ||
        (id >= Utf32Be && id <= Utf32LeBom))
        return 4;
    return 1;
}

} // namespace ZUM
