#!/usr/bin/env python3
"""Generates encoding/tables/JisTables.{h,cpp}: the mapping tables between UCS-2 and
Shift_JIS, CP932, JIS X 0208 and ISO-2022-JP.

Sources: the glibc charmap SHIFT_JIS (Debian package `locales`) for Shift_JIS and
Python's cp932 codec for CP932."""

import gzip
import re

import codetable

SJIS_CHARMAP = "/usr/share/i18n/charmaps/SHIFT_JIS.gz"


def sjis_to_ucs2():
    """JIS X 0201 and JIS X 0208 in Shift_JIS without control bytes, with the
    Roman-set reading of 815F (REVERSE SOLIDUS, as JIS X 0208 row 1 cell 32)."""
    mapping = {}
    with gzip.open(SJIS_CHARMAP, "rt", encoding="ascii") as charmap:
        for line in charmap:
            match = re.match(r"<U([0-9A-F]{4})>\s+((?:/x[0-9a-f]{2})+)\s", line)
            if match:
                code = int(match.group(2).replace("/x", ""), 16)
                assert code not in mapping
                mapping[code] = int(match.group(1), 16)
    for control in list(range(0x20)) + [0x7F]:
        del mapping[control]
    assert mapping[0x815F] == 0xFF3C
    mapping[0x815F] = 0x005C
    return mapping


def cp932_to_ucs2():
    """Code page 932 without the user-defined rows F0-F9 and the bytes 80, A0, FD-FF."""
    mapping = {}
    codes = [(b,) for b in range(0x100)]
    codes += [(lead, trail) for lead in range(0x80, 0x100) for trail in range(0x100)]
    for code in codes:
        try:
            text = bytes(code).decode("cp932")
        except UnicodeDecodeError:
            continue
        if len(text) == 1:
            mapping[int.from_bytes(bytes(code), "big")] = ord(text)
    for code in list(mapping):
        if code in (0x80, 0xA0, 0xFD, 0xFE, 0xFF) or 0xF0 <= code >> 8 <= 0xF9:
            del mapping[code]
    return mapping


def sjis_to_jis(code):
    """JIS X 0208 row/cell code of a Shift_JIS double-byte code."""
    s1, s2 = code >> 8, code & 0xFF
    if s2 < 0x9F:
        return ((2 * s1 + 31) & 0x7F) << 8 | ((s2 + 0x60 + (s2 < 0x7F)) & 0x7F)
    return ((2 * s1 + 32) & 0x7F) << 8 | (s2 - 0x7E)


def main():
    sjis = sjis_to_ucs2()
    cp932 = cp932_to_ucs2()
    ucs2_sjis = codetable.inverse(sjis)
    assert len(ucs2_sjis) == len(sjis), "Shift_JIS decoding is one-to-one"
    ucs2_cp932 = codetable.inverse(cp932)
    ucs2_jis = {u: sjis_to_jis(c) for u, c in ucs2_sjis.items() if c > 0xFF}
    ucs2_iso2022jp = dict(ucs2_jis)
    ucs2_iso2022jp.update({u: u for u in range(0x20, 0x7F) if u not in (0x5C, 0x7E)})
    ucs2_iso2022jp.update({0x00A5: 0x5C, 0x203E: 0x7E})

    tables = {
        "sjisToUcs2": sjis,
        "cp932ToUcs2": cp932,
        "ucs2ToSjis": ucs2_sjis,
        "ucs2ToCp932": ucs2_cp932,
        "ucs2ToJisX0208": ucs2_jis,
        "ucs2ToIso2022Jp": ucs2_iso2022jp,
    }
    expected = {"sjisToUcs2": 7037, "cp932ToUcs2": 7915, "ucs2ToSjis": 7037,
                "ucs2ToCp932": 7517, "ucs2ToJisX0208": 6879, "ucs2ToIso2022Jp": 6974}
    for name, mapping in tables.items():
        assert len(mapping) == expected[name], (name, len(mapping))
    comments = {
        "sjisToUcs2": "Shift_JIS (single bytes 20-7E, A1-DF and lead << 8 | trail) to UCS-2.",
        "cp932ToUcs2": "CP932 (single bytes 00-7F, A1-DF and lead << 8 | trail) to UCS-2.",
        "ucs2ToSjis": "UCS-2 to Shift_JIS; the inverse of sjisToUcs2Table.",
        "ucs2ToCp932": "UCS-2 to CP932; of several codes for one character the highest.",
        "ucs2ToJisX0208": "UCS-2 to JIS X 0208 row/cell codes (EUC-JP less 0x8080).",
        "ucs2ToIso2022Jp": "UCS-2 to JIS X 0208 row/cell codes and JIS X 0201 Roman bytes.",
    }
    with gzip.open(SJIS_CHARMAP) as charmap:
        charmap_version = "charmap SHIFT_JIS " + codetable.hash_of(charmap.read())
    codetable.write_code_tables("JisTables", "gen_jis_tables.py", tables, comments,
                                [charmap_version, codetable.python_codecs()])


if __name__ == "__main__":
    main()
