#include "encoding/CenDictionary.h"

namespace ZUM {

CenDictionary::CenDictionary() {
    for (const CenDictionaryEntry* entry = cenDictionaryEntries; entry->id != 0; ++entry) {
        add(entry);
    }
}

int CenDictionary::idOf(const char* name) const {
    const CenDictionaryEntry* entry = name ? get(name) : nullptr;
    return entry ? entry->id : 0;
}

} // namespace ZUM
