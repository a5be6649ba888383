#include "file/DirectoryListing.h"

#include <windows.h>

#include "win32/WidePath.h"

namespace ZUM {

struct DirectoryListing::Handle {
    HANDLE find;
    WIN32_FIND_DATAW data;
    bool pending; // data holds an entry not yet handed out
};

DirectoryListing::DirectoryListing() = default;

DirectoryListing::~DirectoryListing() {
    close();
}

bool DirectoryListing::open(const Utf16String& directory) {
    close();
    Utf16String pattern(directory);
    if (pattern.length() > 0 && pattern[pattern.length() - 1] != '\\') pattern.push('\\');
    pattern.push('*');
    WidePath wide(pattern);
    if (!wide.valid()) return false;
    auto opened = std::make_unique<Handle>();
    opened->find = ::FindFirstFileW(wide.c_str(), &opened->data);
    if (opened->find == INVALID_HANDLE_VALUE) return false;
    opened->pending = true;
    handle = std::move(opened);
    return true;
}

// A junction or a directory link is reported as a plain entry, so a walk
// removes it as itself and never follows it out of the tree.
bool DirectoryListing::next(Utf16String& name, bool& isDirectory) {
    if (!handle) return false;
    if (!handle->pending && !::FindNextFileW(handle->find, &handle->data)) return false;
    handle->pending = false;
    const DWORD attributes = handle->data.dwFileAttributes;
    isDirectory = (attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
    const wchar_t* entry = handle->data.cFileName;
    name.assign(reinterpret_cast<const u16*>(entry), static_cast<u32>(::wcslen(entry)));
    return true;
}

void DirectoryListing::close() {
    if (handle) ::FindClose(handle->find);
    handle.reset();
}

} // namespace ZUM
