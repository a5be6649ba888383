#include "file/Console.h"

#include <windows.h>
#include <io.h>
#include <shellapi.h>

#include <cwchar>
#include <memory>
#include <new>

#include "file/FileSystem.h"

namespace ZUM {

namespace {

// The console behind `stream`; null when it is redirected to a file or pipe.
HANDLE consoleOf(std::FILE* stream) {
    if (!stream) return nullptr;
    HANDLE handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(stream)));
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && ::GetConsoleMode(handle, &mode) ? handle : nullptr;
}

} // namespace

// The C runtime's argv is in the ANSI code page, which cannot hold a Japanese
// name on most systems; the wide command line holds every name.
std::vector<std::string> Console::arguments(int, char**) {
    int count = 0;
    const std::unique_ptr<LPWSTR, decltype(&::LocalFree)> wide(
        ::CommandLineToArgvW(::GetCommandLineW(), &count), &::LocalFree);
    if (!wide) throw std::bad_alloc();
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) {
        const wchar_t* argument = wide.get()[i];
        const Utf16String units(reinterpret_cast<const u16*>(argument),
                                static_cast<u32>(std::wcslen(argument)));
        Utf8String bytes;
        FileSystem::nativePath(units, bytes);
        arguments.emplace_back(bytes.data(), bytes.length());
    }
    return arguments;
}

bool Console::isTerminal(std::FILE* stream) {
    return consoleOf(stream) != nullptr;
}

// A console shows bytes in its own code page, so it is given UTF-16; the text
// goes back to UTF-16 as a path does, so a name shows exactly as it is spelt.
void Console::write(std::FILE* stream, const std::string& text) {
    HANDLE console = consoleOf(stream);
    if (!console) {
        std::fwrite(text.data(), 1, text.size(), stream);
        return;
    }
    std::fflush(stream); // what the stream holds comes first
    const PathString units = FileSystem::widePath(text.data(), static_cast<u32>(text.size()));
    DWORD written = 0;
    ::WriteConsoleW(console, units.data(), units.length(), &written, nullptr);
}

} // namespace ZUM
