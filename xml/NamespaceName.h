#pragma once

#include "base/TString.h"

namespace ZUM {

// The namespace parts of a node's name, each an atom of its document's
// tables. The nodes of a document share one record for each distinct triple,
// so a node carries one pointer for the three.
struct NamespaceName {
    Utf16String* prefix;
    Utf16String* localName;
    Utf16String* namespaceURI;

    bool operator==(const NamespaceName&) const = default;
};

} // namespace ZUM
