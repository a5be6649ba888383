"""The converter table: one row per converter class, in converter-number order.
Each row is (index, class name, from id, to id, lossy). Routes are chains of these
numbers (tools/gen_route_table.py)."""

# Encoding ids of the ISO 8859 parts 1 to 10, 13, 14 and 15.
ISO8859_IDS = range(24, 37)
ISO8859_PARTS = [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 14, 15]
US_ASCII, UCS2 = 1, 2

CONVERTERS = [
    (0, "FromUsAsciiToUcs2", 1, 2, False),
    (1, "FromUsAsciiToUcs4", 1, 4, False),
    (2, "FromUcs4ToUsAscii", 4, 1, True),
    (3, "FromUcs2ToUcs4", 2, 4, False),
    (4, "FromUcs4ToUcs2", 4, 2, True),
    (5, "FromUcs2ToUcs2Be", 2, 3, False),
    (6, "FromUcs4ToUcs4Be", 4, 5, False),
    (7, "FromUcs2BeToUcs2", 3, 2, False),
    (8, "FromUcs4BeToUcs4", 5, 4, False),
    (9, "FromUcs2ToUtf7", 2, 6, False),
    (10, "FromUtf7ToUcs2", 6, 2, False),
    (11, "FromUtf8NToUcs2", 8, 2, True),
    (12, "FromUcs2ToUtf8N", 2, 8, False),
    (13, "FromUtf8ToUtf8N", 7, 8, False),
    (14, "FromUtf8NToUtf8", 8, 7, False),
    (15, "FromUtf16NToUcs4", 10, 4, False),
    (16, "FromUcs4ToUtf16N", 4, 10, True),
    (17, "FromUtf16NToUtf16Be", 10, 13, False),
    (18, "FromUtf16NToUtf16Le", 10, 14, False),
    (19, "FromUtf16BeToUtf16N", 13, 10, False),
    (20, "FromUtf16LeToUtf16N", 14, 10, False),
    (21, "FromUtf16NToUtf8", 10, 7, False),
    (22, "FromUtf16NToUtf8N", 10, 8, False),
    (23, "FromUtf8ToUtf16N", 7, 10, False),
    (24, "FromUcs2ToUtf16N", 2, 10, False),
    (25, "FromUtf16NToUtf16", 10, 9, False),
    (26, "FromUtf16ToUtf16N", 9, 10, False),
    (27, "FromUtf16BeToUtf16BeBom", 13, 15, False),
    (28, "FromUtf16LeToUtf16LeBom", 14, 16, False),
    (29, "FromUtf16BeBomToUtf16Be", 15, 13, False),
    (30, "FromUtf16LeBomToUtf16Le", 16, 14, False),
    (31, "FromUtf32NToUcs4", 12, 4, False),
    (32, "FromUtf32NToUtf16N", 12, 10, False),
    (33, "FromUtf16NToUtf32N", 10, 12, False),
    (34, "FromUcs4ToUtf32N", 4, 12, True),
    (35, "FromUtf32NToUtf32Be", 12, 17, False),
    (36, "FromUtf32NToUtf32Le", 12, 18, False),
    (37, "FromUtf32BeToUtf32N", 17, 12, False),
    (38, "FromUtf32LeToUtf32N", 18, 12, False),
    (39, "FromUtf32NToUtf32", 12, 11, False),
    (40, "FromUtf32ToUtf32N", 11, 12, False),
    (41, "FromUtf32BeToUtf32BeBom", 17, 19, False),
    (42, "FromUtf32LeToUtf32LeBom", 18, 20, False),
    (43, "FromUtf32BeBomToUtf32Be", 19, 17, False),
    (44, "FromUtf32LeBomToUtf32Le", 20, 18, False),
    (45, "FromEucJpToSjis", 22, 23, True),
    (46, "FromSjisToEucJp", 23, 22, False),
    (47, "FromIso2022JpToSjis", 21, 23, False),
    (48, "FromEucJpToIso2022Jp", 22, 21, True),
    (49, "FromSjisToIso2022Jp", 23, 21, True),
    (50, "FromIso2022JpToEucJp", 21, 22, False),
    (51, "FromUcs2ToSjis", 2, 23, True),
    (52, "FromUcs2ToEucJp", 2, 22, True),
    (53, "FromUcs2ToIso2022Jp", 2, 21, True),
    (54, "FromSjisToUcs2", 23, 2, False),
    (55, "FromCp932ToUcs2", 37, 2, False),
    (56, "FromUcs2ToCp932", 2, 37, True),
]
CONVERTERS += [(57 + i, "From8859_%dToUcs2" % part, id, UCS2, False)
               for i, (part, id) in enumerate(zip(ISO8859_PARTS, ISO8859_IDS))]
# One class serves every ISO 8859 id in each of the next three families.
CONVERTERS += [(70 + i, "From8859_xToUsAscii", id, US_ASCII, True)
               for i, id in enumerate(ISO8859_IDS)]
CONVERTERS += [(83 + i, "FromUsAsciiTo8859_x", US_ASCII, id, False)
               for i, id in enumerate(ISO8859_IDS)]
CONVERTERS += [(96 + i, "FromUcs2To8859_1", UCS2, id, True)
               for i, id in enumerate(ISO8859_IDS)]
CONVERTERS += [
    (109, "FromEucJpMsToCp932", 38, 37, True),
    (110, "FromCp932ToEucJpMs", 37, 38, True),
    (111, "FromCp1252ToUcs2", 39, 2, False),
    (112, "FromUcs2ToCp1252", 2, 39, True),
]

assert [row[0] for row in CONVERTERS] == list(range(113))
