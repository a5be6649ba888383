#pragma once

#include "base/TString.h"

namespace ZUM {

// A UTF-16 path as the terminated UTF-8 bytes POSIX calls take, converted with
// the library's own converters. Empty when the path cannot be converted.
class PathBytes : public Object {
public:
    explicit PathBytes(const Utf16String& path);
    const char* c_str() { return bytes.terminate(); }
    bool valid() const { return ok; }

private:
    Utf8String bytes;
    bool ok;
};

} // namespace ZUM
