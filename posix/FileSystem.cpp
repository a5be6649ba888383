#include "file/FileSystem.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

#include "base/Utf8Sequence.h"
#include "base/Surrogates.h"
#include "posix/PathBytes.h"

namespace ZUM {

const u16 FileSystem::Separator = '/';

namespace {

// Names on POSIX are any bytes, mostly UTF-8. Valid UTF-8 is decoded; any
// other byte B becomes the lone unit 0xDC00 + B (0xDC80 to 0xDCFF), which
// decoded UTF-8 never holds, and turns back into B on the way out.
constexpr u16 EscapeBase = 0xDC00;

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

PathString FileSystem::widePath(const char* bytes, u32 size) {
    PathString path;
    path.reserve(size);
    const auto* at = reinterpret_cast<const unsigned char*>(bytes);
    for (u32 i = 0; i < size;) {
        char32_t c = 0;
        const u32 length = Utf8Sequence::decode(at + i, size - i, c);
        if (length == 0) {
            path.push(static_cast<u16>(EscapeBase + at[i++]));
        } else if (c < 0x10000) {
            path.push(static_cast<u16>(c));
        } else {
            path.push(Surrogates::highOf(c));
            path.push(Surrogates::lowOf(c));
        }
        i += length;
    }
    return path;
}

bool FileSystem::nativePath(const Utf16String& path, Utf8String& bytes) {
    bytes.clear();
    const u16* units = path.data();
    const u32 length = path.length();
    for (u32 i = 0; i < length; ++i) {
        char32_t c = units[i];
        if (c >= 0xDC80 && c <= 0xDCFF) {
            bytes.push(static_cast<char>(c - EscapeBase));
            continue;
        }
        if (const u32 pair = Surrogates::combine(c, i + 1 < length ? units[i + 1] : 0)) {
            c = pair;
            ++i;
        } else if (Surrogates::isHigh(c) || Surrogates::isLow(c)) {
            return false;
        }
        Utf8Sequence::append(c, bytes);
    }
    return true;
}

} // namespace ZUM
