#pragma once

#include <array>
#include <cstddef>
#include <unordered_set>

#include "xml/NamespaceName.h"

namespace ZUM {

// A document's shared NamespaceName records, one for each distinct triple of
// atoms; records stay where they are until the table dies.
class NamespaceNameTable {
public:
    // The record of the triple, added when absent; null when all three parts
    // are null.
    const NamespaceName* intern(const NamespaceName& name);

private:
    struct Hash {
        std::size_t operator()(const NamespaceName& name) const;
    };

    std::unordered_set<NamespaceName, Hash> records;
    // The records asked for lately, by hash: a document uses few triples, over
    // and over.
    std::array<const NamespaceName*, 64> recent{};
};

} // namespace ZUM
