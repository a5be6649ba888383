#pragma once

#include "base/AVLDict.h"
#include "encoding/IFilterDictionaryEntry.h"

namespace ZUM {

// The routes between encodings by IFilterDictionaryEntry::keyOf(from, to).
// Owns its entries.
class IFilterDictionary : public AVLDict<IFilterDictionaryEntry, std::int32_t> {
public:
    // Every route of the route table.
    IFilterDictionary();
    ~IFilterDictionary() override;

    const std::int32_t* keyOf(IFilterDictionaryEntry* entry) const override { return &entry->key; }
    int compare(const std::int32_t* a, const std::int32_t* b) const override { return *a - *b; }

    // The route from `from` to `to`, null when there is none.
    const IFilterDictionaryEntry* route(int from, int to) const;
};

} // namespace ZUM
