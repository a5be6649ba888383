#pragma once

#include "base/TString.h"

namespace ZUM {

// What the document model supports. One shared instance exists while the
// library runs (see DOMModule.h).
class DOMImplementation {
public:
    // True for the features "XML" and "HTML" (case-sensitive) with the
    // version "1.0" or an empty one.
    bool hasFeature(const Utf16String& feature, const Utf16String& version) const;
};

} // namespace ZUM
