#include "file/FileSystem.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

#include "posix/PathBytes.h"

namespace ZUM {

const u16 FileSystem::Separator = '/';

namespace {

// Names on POSIX are any bytes, mostly UTF-8. Valid UTF-8 is decoded; any
// other byte B becomes the lone unit 0xDC00 + B (0xDC80 to 0xDCFF), which
// decoded UTF-8 never holds, and turns back into B on the way out.
constexpr u16 EscapeBase = 0xDC00;

// The length of the valid UTF-8 sequence at `at` (its value in `c`), or 0.
u32 sequenceAt(const unsigned char* at, u32 left, char32_t& c) {
    const unsigned char lead = at[0];
    u32 length;
    char32_t least;
    if (lead < 0x80) {
        c = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (left < length) return 0;
    for (u32 i = 1; i < length; ++i) {
        if ((at[i] & 0xC0) != 0x80) return 0;
        c = (c << 6) | (at[i] & 0x3F);
    }
    const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
    return c < least || c > 0x10FFFF || surrogate ? 0 : length;
}

void pushUtf8(char32_t c, Utf8String& bytes) {
    if (c < 0x80) {
        bytes.push(static_cast<char>(c));
        return;
    }
    const u32 length = c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    static constexpr unsigned char leads[] = {0, 0, 0xC0, 0xE0, 0xF0};
    bytes.push(static_cast<char>(leads[length] | (c >> (6 * (length - 1)))));
    for (u32 i = length - 1; i-- > 0;)
        bytes.push(static_cast<char>(0x80 | ((c >> (6 * i)) & 0x3F)));
}

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
        const u32 length = sequenceAt(at + i, size - i, c);
        if (length == 0) {
            path.push(static_cast<u16>(EscapeBase + at[i++]));
        } else if (c < 0x10000) {
            path.push(static_cast<u16>(c));
        } else {
            path.push(static_cast<u16>(0xD800 + ((c - 0x10000) >> 10)));
            path.push(static_cast<u16>(0xDC00 + (c & 0x3FF)));
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
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < length && (units[i + 1] & 0xFC00) == 0xDC00)
            c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
        else if (c >= 0xD800 && c <= 0xDFFF)
            return false;
        pushUtf8(c, bytes);
    }
    return true;
}

} // namespace ZUM
