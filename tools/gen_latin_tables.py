#!/usr/bin/env python3
"""Generates encoding/tables/LatinTables.{h,cpp}: the ISO 8859 decoding tables, the
Windows-1252 decoding and encoding tables and the Latin-1 encoding table.

Source: Python's iso8859_N and cp1252 codecs, with the editions' differences
applied below."""

import codetable

# Parts in encoding-id order (ids 24 to 36); there are no ids for parts 11 and 12.
ISO8859_PARTS = [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 14, 15]

# The installed codecs follow later editions than ours. Part 7 here predates the
# euro, drachma and ypogegrammeni of 2003; part 8 predates the 1999 change of AF
# to MACRON and the directional marks at FD and FE.
EDITION_CHANGES = {
    7: {0xA4: None, 0xA5: None, 0xAA: None},
    8: {0xAF: 0x203E, 0xFD: None, 0xFE: None},
}


def decode_bytes(codec):
    """{byte: UCS-2} of every byte the codec decodes."""
    mapping = {}
    for byte in range(0x100):
        try:
            mapping[byte] = ord(bytes([byte]).decode(codec))
        except UnicodeDecodeError:
            pass
    return mapping


def iso8859_to_ucs2(part):
    mapping = decode_bytes("iso8859_%d" % part)
    for byte, value in EDITION_CHANGES.get(part, {}).items():
        if value is None:
            del mapping[byte]
        else:
            mapping[byte] = value
    assert all(mapping[b] == b for b in range(0xA0))
    return mapping


def iso8859_lines(parts):
    lines = ["const u16 iso8859ToUcs2[13][256] = {"]
    for part, mapping in parts.items():
        lines.append("    // ISO 8859-%d: %d bytes." % (part, len(mapping)))
        lines.append("    {")
        values = [codetable.hex16(mapping.get(b, codetable.UNMAPPED)) for b in range(0x100)]
        lines += codetable.rows(values, 10, " " * 8)
        lines.append("    },")
    return lines + ["};"]


def main():
    cp1252 = decode_bytes("cp1252")
    assert sorted(set(range(0x100)) - set(cp1252)) == [0x81, 0x8D, 0x8F, 0x90, 0x9D]
    tables = {
        "cp1252ToUcs2": cp1252,
        "ucs2ToCp1252": codetable.inverse(cp1252),
        "ucs2ToLatin1": {u: u for u in range(0x100)},
    }
    assert len(tables["ucs2ToCp1252"]) == 251
    comments = {
        "cp1252ToUcs2": "Windows-1252 to UCS-2; 81, 8D, 8F, 90 and 9D are undefined.",
        "ucs2ToCp1252": "UCS-2 to Windows-1252.",
        "ucs2ToLatin1": "UCS-2 to ISO 8859-1: U+0000 to U+00FF as themselves.",
    }
    parts = {part: iso8859_to_ucs2(part) for part in ISO8859_PARTS}
    header = ["// ISO 8859 to UCS-2 by byte, 0xFFFF where the part defines none; one table",
              "// per part in encoding-id order: parts 1 to 10, 13, 14 and 15.",
              "extern const u16 iso8859ToUcs2[13][256];", ""]
    codetable.write_code_tables("LatinTables", "gen_latin_tables.py", tables, comments,
                                [codetable.python_codecs()], header,
                                iso8859_lines(parts) + [""])


if __name__ == "__main__":
    main()
