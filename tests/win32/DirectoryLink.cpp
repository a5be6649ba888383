#include "tests/win32/DirectoryLink.h"

#include <windows.h>
#include <winioctl.h>

#include <cstring>
#include <vector>

#include "file/FileSystem.h"

using namespace ZUM;

namespace {

std::wstring wide(const std::string& utf8) {
    const PathString units = FileSystem::widePath(utf8.data(), static_cast<u32>(utf8.size()));
    return std::wstring(reinterpret_cast<const wchar_t*>(units.data()), units.length());
}

// The mount-point form of the reparse data (the system headers keep it in the
// driver kit): substitute name "\??\target", then the print name.
bool setMountPoint(HANDLE directory, const std::wstring& target) {
    const std::wstring substitute = L"\\??\\" + target;
    const WORD substituteBytes = static_cast<WORD>(substitute.size() * sizeof(wchar_t));
    const WORD printBytes = static_cast<WORD>(target.size() * sizeof(wchar_t));
    const WORD names = substituteBytes + printBytes + 2 * sizeof(wchar_t);
    std::vector<BYTE> buffer(16 + names, 0);
    const DWORD tag = IO_REPARSE_TAG_MOUNT_POINT;
    const WORD dataLength = 8 + names;
    const WORD offsets[4] = {0, substituteBytes, static_cast<WORD>(substituteBytes + 2), printBytes};
    std::memcpy(&buffer[0], &tag, 4);
    std::memcpy(&buffer[4], &dataLength, 2);
    std::memcpy(&buffer[8], offsets, 8);
    std::memcpy(&buffer[16], substitute.c_str(), substituteBytes);
    std::memcpy(&buffer[16 + offsets[2]], target.c_str(), printBytes);
    DWORD returned = 0;
    return ::DeviceIoControl(directory, FSCTL_SET_REPARSE_POINT, buffer.data(),
                             static_cast<DWORD>(buffer.size()), nullptr, 0, &returned, nullptr);
}

bool makeJunction(const std::wstring& link, const std::wstring& target) {
    if (!::CreateDirectoryW(link.c_str(), nullptr)) return false;
    HANDLE directory = ::CreateFileW(link.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT,
                                     nullptr);
    const bool set = directory != INVALID_HANDLE_VALUE && setMountPoint(directory, target);
    if (directory != INVALID_HANDLE_VALUE) ::CloseHandle(directory);
    if (!set) ::RemoveDirectoryW(link.c_str());
    return set;
}

// The Unix name wine gives a Windows path; empty when not under wine.
std::wstring unixName(const std::wstring& path) {
    using Lookup = char*(CDECL*)(LPCWSTR);
    const auto lookup = reinterpret_cast<Lookup>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* name = lookup ? lookup(path.c_str()) : nullptr;
    if (!name) return L"";
    const std::wstring result = wide(name);
    ::HeapFree(::GetProcessHeap(), 0, name);
    return result;
}

// Runs a Unix tool under wine, which starts Unix programs as it does Windows
// ones; their exit status does not come back, so callers check the outcome.
void runUnix(const std::wstring& tool, const std::wstring& arguments) {
    std::wstring line = L"\"" + tool + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW((L"Z:" + tool).c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &process))
        return;
    ::WaitForSingleObject(process.hProcess, 10000);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
}

constexpr DWORD DirectoryLinkAttributes = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;

bool isDirectoryLink(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & DirectoryLinkAttributes) == DirectoryLinkAttributes;
}

// Whether `path` comes to be a directory link (or, with `wanted` false, to be
// gone) within two seconds: a Unix tool's end is not seen from here.
bool settles(const std::wstring& path, bool wanted) {
    for (int i = 0; i < 100; ++i) {
        if (isDirectoryLink(path) == wanted) return true;
        ::Sleep(20);
    }
    return false;
}

} // namespace

DirectoryLink::DirectoryLink(const std::string& linkPath, const std::string& targetPath)
    : link(wide(linkPath)) {
    const std::wstring target = wide(targetPath);
    if (makeJunction(link, target)) {
        kind = Junction;
        return;
    }
    const std::wstring unixLink = unixName(link), unixTarget = unixName(target);
    if (unixLink.empty() || unixTarget.empty()) return;
    runUnix(L"/bin/ln", L"-s \"" + unixTarget + L"\" \"" + unixLink + L"\"");
    if (settles(link, true)) kind = UnixLink;
}

DirectoryLink::~DirectoryLink() {
    if (!isDirectoryLink(link)) return; // removed by the test
    if (kind == Junction) ::RemoveDirectoryW(link.c_str());
    if (kind == UnixLink) {
        runUnix(L"/bin/rm", L"-f \"" + unixName(link) + L"\"");
        settles(link, false);
    }
}
