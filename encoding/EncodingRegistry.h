#pragma once

#include "base/CompositIFilter.h"
#include "base/TString.h"
#include "encoding/CenDictionary.h"
#include "encoding/EncodingId.h"
#include "encoding/IFilterDictionary.h"

// The encoding registry: encoding names to ids, and pairs of ids to converter
// chains. Its two dictionaries are built when the library starts (module slot
// 3) and deleted when it stops; before the start and after the stop every
// lookup finds nothing.
namespace ZUM {

// The process-wide dictionaries; null while the library is not started.
const CenDictionary* cenDictionary();
const IFilterDictionary* iFilterDictionary();

// The id of an encoding name, any ASCII letter in either case; 0 when unknown.
int encodingIdOf(const char* name);

// A new, unattached chain from `fromId` to `toId` (the caller owns it), or
// null when there is no route. Equal ids give one pass-through member.
CompositIFilter* createFilterChain(int fromId, int toId);

// Converts the bytes of `source` (a null source is an empty, closed input)
// into the 16-bit units of `result`, which is emptied first. False when there
// is no route or the conversion fails; `result` then keeps what was made.
bool convertToUtf16String(int fromId, int toId, const TStringPtr<char>* source,
                          TString<u16>& result);

// The same from 16-bit units to bytes.
bool convertFromUtf16String(int fromId, int toId, const TStringPtr<u16>* source,
                            TString<char>& result);

// Decodes `size` bytes in encoding `fromId` into the native-order UTF-16 units
// of `result` (emptied first), and sets `losses` to what the decoding did not
// carry over: the chain's losses, and one more when the bytes end inside a
// code unit. False when there is no route; an IOException while converting
// passes out.
bool decodeToUtf16(int fromId, const u8* bytes, u32 size, TString<u16>& result, u64& losses);

} // namespace ZUM
