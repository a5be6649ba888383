#pragma once

#include "base/MemBlock.h"
#include "base/TString.h"

// A repair must not change the text of a book, so it takes a document only
// when its decoder carried every byte over: nothing skipped, replaced or cut
// off at the end. One allowance: a document labelled Shift_JIS whose losses
// all vanish under CP932, as Windows tools write it, is decoded as CP932.
class FaithfulDecoding {
public:
    // Decodes `raw`, detected as encoding `id`, into `text`: the encoding it
    // was decoded in, or 0 when no decoding is faithful.
    static int decode(const ZUM::MemBlock& raw, int id, ZUM::Utf16String& text);
};
