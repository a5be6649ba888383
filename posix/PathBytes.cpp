#include "posix/PathBytes.h"

#include "file/FileSystem.h"

namespace ZUM {

PathBytes::PathBytes(const Utf16String& path)
    : ok(FileSystem::nativePath(path, bytes) && bytes.length() > 0) {
    // A path with a zero unit would name something else once terminated.
    for (u32 i = 0; ok && i < bytes.length(); ++i) ok = bytes[i] != 0;
    if (!ok) bytes.clear();
}

} // namespace ZUM
