#pragma once

#include <cstdint>
#include <cstdio>

#include "base/TString.h"

namespace ZUM {

// The file-system operations of the library and the repair tool, on UTF-16
// paths. Each platform folder implements them (posix/ here); nothing else in
// the tree calls the operating system's file interface.
class FileSystem {
public:
    // The separator between the steps of a path.
    static const u16 Separator;

    // What stands at a path, seen without following a symbolic link (a link is
    // an ordinary entry of its own).
    struct Attributes {
        bool exists;
        bool directory;
        bool readOnly;        // the owner may not write it
        std::uint64_t size;   // in bytes
        bool regular = false; // a plain file: no directory, link or device
    };
    static Attributes attributesOf(const Utf16String& path);

    // A C runtime file opened in `mode`; null when it cannot be opened. A
    // directory is never opened as a file.
    static std::FILE* open(const Utf16String& path, const char* mode);

    // A new file at `path` (replacing a file there) opened for binary writing,
    // with the access rights of the file at `model`: on POSIX its permission
    // bits and, as far as the caller may give them, its owner and group
    // (permission bits the group could not be kept for are cleared); on
    // Windows those its directory gives. Null when it cannot be made.
    static std::FILE* createLike(const Utf16String& path, const Utf16String& model);
    // Writes what `file` buffers and waits until the device holds it.
    static bool syncFile(std::FILE* file);
    // Waits until the directory holding `path` has its entries on the device,
    // where the platform keeps them apart from the files.
    static bool syncDirectoryOf(const Utf16String& path);

    // Deletes a file or link; refuses a read-only entry, whoever runs it.
    static bool deleteFile(const Utf16String& path);
    // Removes an empty directory; refuses a read-only one.
    static bool removeDirectory(const Utf16String& path);
    // Moves an entry to a new path; false on failure.
    static bool rename(const Utf16String& from, const Utf16String& to);
    // Moves a file to a new path in one step, replacing a file standing there.
    static bool replace(const Utf16String& from, const Utf16String& to);

    // A path in the platform's narrow form as UTF-16, and back. The two are
    // exact inverses: a name read from a directory, or given on a command
    // line, always leads back to the entry it came from, never to another.
    // nativePath is false for a path the platform cannot spell.
    static PathString widePath(const char* bytes, u32 size);
    static bool nativePath(const Utf16String& path, Utf8String& bytes);
};

} // namespace ZUM
