#include "file/FileSystem.h"

#include <windows.h>

#include <io.h>

#include <cstdio>
#include <cwchar>

#include "base/Utf8Sequence.h"
#include "base/Surrogates.h"
#include "win32/WidePath.h"

namespace ZUM {

const u16 FileSystem::Separator = '\\';

namespace {

// Windows names are any sequence of 16-bit units; their narrow form is the
// generalised UTF-8 that also spells a surrogate without its partner, so
// every name goes there and back unchanged.
constexpr bool SurrogatesAllowed = true;

bool attributeDataOf(const Utf16String& path, WIN32_FILE_ATTRIBUTE_DATA& data) {
    WidePath wide(path);
    return wide.valid() && ::GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &data);
}

bool isDirectory(DWORD attributes) {
    return attributes & FILE_ATTRIBUTE_DIRECTORY;
}

// A junction or a directory's symbolic link: removed as itself, never entered.
bool isDirectoryLink(DWORD attributes) {
    return isDirectory(attributes) && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

} // namespace

FileSystem::Attributes FileSystem::attributesOf(const Utf16String& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!attributeDataOf(path, data)) return {false, false, false, 0, false};
    const DWORD attributes = data.dwFileAttributes;
    const std::uint64_t size = (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    const bool plain = !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT |
                                       FILE_ATTRIBUTE_DEVICE));
    return {true, isDirectory(attributes) && !isDirectoryLink(attributes),
            (attributes & FILE_ATTRIBUTE_READONLY) != 0, size, plain};
}

std::FILE* FileSystem::open(const Utf16String& path, const char* mode) {
    WidePath wide(path);
    if (!wide.valid()) return nullptr;
    wchar_t wideMode[8] = {};
    for (int i = 0; i < 7 && mode[i]; ++i) wideMode[i] = static_cast<unsigned char>(mode[i]);
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (attributeDataOf(path, data) && isDirectory(data.dwFileAttributes)) return nullptr;
    return ::_wfopen(wide.c_str(), wideMode);
}

// A new file takes its rights from its directory's inherited ones, as the
// original did.
std::FILE* FileSystem::createLike(const Utf16String& path, const Utf16String&) {
    return open(path, "wb");
}

bool FileSystem::syncFile(std::FILE* file) {
    return file && std::fflush(file) == 0 && ::_commit(::_fileno(file)) == 0;
}

// NTFS journals a directory's entries itself; there is no handle to flush
// them through.
bool FileSystem::syncDirectoryOf(const Utf16String&) {
    return true;
}

// A read-only file is refused by the system itself; a directory link is
// removed as the link.
bool FileSystem::deleteFile(const Utf16String& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!attributeDataOf(path, data)) return false;
    const DWORD attributes = data.dwFileAttributes;
    if (attributes & FILE_ATTRIBUTE_READONLY) return false;
    WidePath wide(path);
    if (isDirectoryLink(attributes)) return ::RemoveDirectoryW(wide.c_str());
    return !isDirectory(attributes) && ::DeleteFileW(wide.c_str());
}

bool FileSystem::removeDirectory(const Utf16String& path) {
    const Attributes attributes = attributesOf(path);
    if (!attributes.directory || attributes.readOnly) return false;
    WidePath wide(path);
    return ::RemoveDirectoryW(wide.c_str());
}

bool FileSystem::rename(const Utf16String& from, const Utf16String& to) {
    WidePath source(from), target(to);
    return source.valid() && target.valid() && ::_wrename(source.c_str(), target.c_str()) == 0;
}

bool FileSystem::replace(const Utf16String& from, const Utf16String& to) {
    WidePath source(from), target(to);
    return source.valid() && target.valid() &&
           ::MoveFileExW(source.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

// Bytes that are not generalised UTF-8 never come from nativePath; each shows
// as U+FFFD.
PathString FileSystem::widePath(const char* bytes, u32 size) {
    PathString path;
    path.reserve(size);
    const auto* at = reinterpret_cast<const unsigned char*>(bytes);
    for (u32 i = 0; i < size;) {
        char32_t c = 0xFFFD;
        const u32 length = Utf8Sequence::decode(at + i, size - i, c, SurrogatesAllowed);
        if (length == 0) c = 0xFFFD;
        Surrogates::append(c, path);
        i += length ? length : 1;
    }
    return path;
}

bool FileSystem::nativePath(const Utf16String& path, Utf8String& bytes) {
    bytes.clear();
    const u32 length = path.length();
    for (u32 i = 0; i < length;) Utf8Sequence::append(Surrogates::next(path, length, i), bytes);
    return true;
}

} // namespace ZUM
