#pragma once

#include <cstdint>

namespace ZUM {

// One name of an encoding: the encoding id and a NUL-terminated 8-bit name.
struct CenDictionaryEntry {
    std::int32_t id;
    const char* name;
};

// Every encoding name, ids ascending and the canonical name of each id first,
// ended by a row with id 0.
extern const CenDictionaryEntry cenDictionaryEntries[];

// Orders encoding names byte by byte with only the ASCII letters folded to lower
// case: the difference of the first differing pair of folded bytes as unsigned
// values, or 0 when both names end together. "SHIFT_JIS" equals "Shift_JIS";
// "shift-jis" does not.
int compareEncodingNames(const char* left, const char* right);

} // namespace ZUM
