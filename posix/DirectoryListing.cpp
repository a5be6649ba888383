#include "file/DirectoryListing.h"

#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

#include "file/FileSystem.h"
#include "posix/PathBytes.h"

namespace ZUM {

struct DirectoryListing::Handle {
    DIR* dir;
    Utf8String path; // the directory, for entries whose type the listing omits
};

DirectoryListing::DirectoryListing() = default;

DirectoryListing::~DirectoryListing() {
    close();
}

bool DirectoryListing::open(const Utf16String& directory) {
    close();
    PathBytes bytes(directory);
    if (!bytes.valid()) return false;
    // Everything that takes memory comes first, so that a failure cannot leave
    // the directory open.
    auto opened = std::make_unique<Handle>(Handle{nullptr, Utf8String(bytes.c_str())});
    opened->dir = ::opendir(bytes.c_str());
    if (!opened->dir) return false;
    handle = std::move(opened);
    return true;
}

bool DirectoryListing::next(Utf16String& name, bool& isDirectory) {
    if (!handle) return false;
    const dirent* entry = ::readdir(handle->dir);
    if (!entry) return false;
    if (entry->d_type != DT_UNKNOWN) {
        isDirectory = entry->d_type == DT_DIR;
    } else {
        Utf8String full(handle->path);
        full.push('/');
        full.append(entry->d_name);
        struct stat info;
        isDirectory = ::lstat(full.terminate(), &info) == 0 && S_ISDIR(info.st_mode);
    }
    name.assign(FileSystem::widePath(entry->d_name, static_cast<u32>(std::strlen(entry->d_name))));
    return true;
}

void DirectoryListing::close() {
    if (handle) ::closedir(handle->dir);
    handle.reset();
}

} // namespace ZUM
