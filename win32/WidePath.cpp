#include "win32/WidePath.h"

namespace ZUM {

static_assert(sizeof(wchar_t) == sizeof(u16), "Windows wide characters are UTF-16 units");

WidePath::WidePath(const Utf16String& path) : units(path), ok(path.length() > 0) {
    for (u32 i = 0; ok && i < units.length(); ++i) ok = units[i] != 0;
}

} // namespace ZUM
