#pragma once

#include "base/TString.h"

namespace ZUM {

// A UTF-16 path as the terminated wide string the Windows calls take. Not
// valid for an empty path or one holding a zero unit, which would name
// something else once terminated.
class WidePath : public Object {
public:
    explicit WidePath(const Utf16String& path);
    const wchar_t* c_str() { return reinterpret_cast<const wchar_t*>(units.terminate()); }
    bool valid() const { return ok; }

private:
    Utf16String units;
    bool ok;
};

} // namespace ZUM
