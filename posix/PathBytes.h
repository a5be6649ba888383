#pragma once

#include "base/TString.h"

namespace ZUM {

// A UTF-16 path as the terminated bytes POSIX calls take (see
// FileSystem::nativePath). Empty when the path cannot be spelt so.
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
