#include "file/FileSystem.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
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
    if (!statOf(path, info)) return {false, false, false, 0, false};
    return {true, S_ISDIR(info.st_mode), !ownerMayWrite(info),
            static_cast<std::uint64_t>(info.st_size), S_ISREG(info.st_mode) != 0};
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

// Made private first and given its rights once its owner and group are
// settled, so the text is never readable by more people than the model's.
std::FILE* FileSystem::createLike(const Utf16String& path, const Utf16String& model) {
    PathBytes target(path), source(model);
    struct stat like;
    if (!target.valid() || !source.valid() || ::stat(source.c_str(), &like) != 0) return nullptr;
    const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC,
                          S_IRUSR | S_IWUSR);
    if (fd < 0) return nullptr;
    mode_t mode = like.st_mode & 07777;
    if (::fchown(fd, ::geteuid() == 0 ? like.st_uid : static_cast<uid_t>(-1), like.st_gid) != 0)
        mode &= ~static_cast<mode_t>(S_IRWXG | S_ISGID);
    std::FILE* file = nullptr;
    if (::fchmod(fd, mode) == 0) file = ::fdopen(fd, "wb");
    if (!file) ::close(fd);
    return file;
}

bool FileSystem::syncFile(std::FILE* file) {
    return file && std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
}

// A file system that cannot sync a directory (EINVAL) keeps its entries with
// the files.
bool FileSystem::syncDirectoryOf(const Utf16String& path) {
    Utf8String bytes;
    if (!nativePath(path, bytes)) return false;
    std::string directory(bytes.data(), bytes.length());
    const auto slash = directory.rfind('/');
    directory = slash == std::string::npos ? "." : slash == 0 ? "/" : directory.substr(0, slash);
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    ::close(fd);
    return synced;
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

// rename() replaces the target in one step on POSIX.
bool FileSystem::replace(const Utf16String& from, const Utf16String& to) {
    return rename(from, to);
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
        } else {
            Surrogates::append(c, path);
            i += length;
        }
    }
    return path;
}

bool FileSystem::nativePath(const Utf16String& path, Utf8String& bytes) {
    bytes.clear();
    const u16* units = path.data();
    const u32 length = path.length();
    for (u32 i = 0; i < length;) {
        const char32_t c = Surrogates::next(units, length, i);
        if (c >= 0xDC80 && c <= 0xDCFF) {
            bytes.push(static_cast<char>(c - EscapeBase));
        } else if (Surrogates::isSurrogate(c)) {
            return false;
        } else {
            Utf8Sequence::append(c, bytes);
        }
    }
    return true;
}

} // namespace ZUM
