#include "app/FaithfulDecoding.h"

#include "encoding/EncodingId.h"
#include "encoding/EncodingRegistry.h"

using namespace ZUM;

int FaithfulDecoding::decode(const MemBlock& raw, int id, Utf16String& text) {
    u64 losses = 0;
    if (!decodeToUtf16(id, raw.data, raw.size, text, losses)) return 0;
    if (losses == 0) return id;
    if (id != ShiftJis) return 0;
    return decodeToUtf16(Cp932, raw.data, raw.size, text, losses) && losses == 0 ? Cp932 : 0;
}
