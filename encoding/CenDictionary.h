#pragma once

#include "base/AVLDict.h"
#include "encoding/CenDictionaryEntry.h"

namespace ZUM {

// The encoding names, ordered by compareEncodingNames so that a lookup
// ignores the case of ASCII letters only. Holds the constant name table's
// entries; owns nothing.
class CenDictionary : public AVLDict<const CenDictionaryEntry, char> {
public:
    // Every name of the name table, in table order.
    CenDictionary();

    const char* keyOf(const CenDictionaryEntry* entry) const override { return entry->name; }
    int compare(const char* a, const char* b) const override { return compareEncodingNames(a, b); }

    // The id of `name`, 0 when it is unknown.
    int idOf(const char* name) const;
};

} // namespace ZUM
