#include "file/FileSystem.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

#include "posix/PathBytes.h"

namespace ZUM {

const u16 FileSystem::Separator = '/';

namespace {

bool ownerMayWrite(const struct stat& info) {
    return (info.st_mode & S_IWUSR) != 0;
}

// lstat of a path; false when it cannot be read.
bool statOf(const Utf16String& path, struct stat& info) {
    PathBytes bytes(path);
    return bytes.valid() && ::lstat(bytes.c_str(), &info) == 0;
}

} // namespace

FileSystem::Attributes FileSystem::attributesOf(const Utf16String& path) {
    struct stat info;
    if (!statOf(path, info)) return {false, false, false, 0};
    return {true, S_ISDIR(info.st_mode), !ownerMayWrite(info),
            static_cast<std::uint64_t>(info.st_size)};
}

std::FILE* FileSystem::open(const Utf16String& path, const char* mode) {
    PathBytes bytes(path);
    if (!bytes.valid()) return nullptr;
    std::FILE* file = std::fopen(bytes.c_str(), mode);
    if (!file) return nullptr;
    struct stat info;
    if (::fstat(::fileno(file), &info) != 0 || S_ISDIR(info.st_mode)) {
        std::fclose(file);
        errno = EISDIR;
        return nullptr;
    }
    return file;
}

bool FileSystem::deleteFile(const Utf16String& path) {
    struct stat info;
    if (!statOf(path, info) || S_ISDIR(info.st_mode) || !ownerMayWrite(info)) return false;
    PathBytes bytes(path);
    return ::unlink(bytes.c_str()) == 0;
}

bool FileSystem::removeDirectory(const Utf16String& path) {
    struct stat info;
    if (!statOf(path, info) || !S_ISDIR(info.st_mode) || !ownerMayWrite(info)) return false;
    PathBytes bytes(path);
    return ::rmdir(bytes.c_str()) == 0;
}

bool FileSystem::rename(const Utf16String& from, const Utf16String& to) {
    PathBytes source(from), target(to);
    return source.valid() && target.valid() && std::rename(source.c_str(), target.c_str()) == 0;
}

} // namespace ZUM
