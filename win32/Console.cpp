#include "file/Console.h"

#include <windows.h>
#include <io.h>

namespace ZUM {

bool Console::isTerminal(std::FILE* stream) {
    if (!stream) return false;
    HANDLE handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(stream)));
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && ::GetConsoleMode(handle, &mode);
}

} // namespace ZUM
