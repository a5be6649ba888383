#pragma once

#include "base/Units.h"

// A repair must not change the text of a book, so it decodes a document only
// when the decoder carries every byte over: no byte the encoding's table leaves
// unmapped (the decoders would deliver U+FFFF or skip it), no malformed UTF-8,
// no sequence cut off at the end. One allowance: a document labelled Shift_JIS
// whose only unmapped codes are CP932 extensions, as Windows tools write them,
// is decoded as CP932.
class FaithfulDecoding {
public:
    // The encoding id to decode `bytes` with, or 0 when no decoding is faithful.
    static int choose(const ZUM::u8* bytes, ZUM::u32 size, int detectedId);

private:
    static bool utf8(const ZUM::u8* bytes, ZUM::u32 size);
    static bool shiftJis(const ZUM::u8* bytes, ZUM::u32 size, bool cp932);
    static bool eucJp(const ZUM::u8* bytes, ZUM::u32 size, bool cp932);
    static bool iso2022Jp(const ZUM::u8* bytes, ZUM::u32 size);
    static bool singleBytes(const ZUM::u8* bytes, ZUM::u32 size, int id);
};
