#pragma once

#include "base/TString.h"

namespace ZUM {

// A catalog entry: a public (3) or system (4) identifier and the file that
// holds what it names.
struct CatalogUnit : public Object {
    enum Kind : std::int32_t { Public = 3, System = 4 };

    std::int32_t kind;
    Utf8String key;
    Utf8String path;
};

} // namespace ZUM
