#include "app/BookFinder.h"

#include <algorithm>

#include "file/DirectoryListing.h"
#include "file/FileSystem.h"

using namespace ZUM;

namespace {

Utf16String wide(const std::string& native) {
    return FileSystem::widePath(native.data(), static_cast<u32>(native.size()));
}

std::string narrow(const Utf16String& path) {
    Utf8String bytes;
    FileSystem::nativePath(path, bytes);
    return std::string(bytes.data(), bytes.length());
}

constexpr char BookName[] = "ncc.html";
constexpr char BackupName[] = "ncc.html.old";

} // namespace

std::vector<std::string> BookFinder::find(const std::string& directory, bool backups) {
    std::vector<std::string> found;
    collect(directory, backups, found);
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

void BookFinder::collect(const std::string& directory, bool backups,
                         std::vector<std::string>& found) {
    DirectoryListing listing;
    if (!listing.open(wide(directory))) return;
    const char separator = static_cast<char>(FileSystem::Separator);
    const std::string prefix =
        directory.empty() || directory.back() == separator ? directory : directory + separator;
    Utf16String name;
    bool isDirectory = false;
    std::vector<std::string> subdirectories;
    while (listing.next(name, isDirectory)) {
        const std::string entry = narrow(name);
        if (isDirectory) {
            if (entry != "." && entry != "..") subdirectories.push_back(prefix + entry);
        } else if (entry == BookName || (backups && entry == BackupName)) {
            found.push_back(prefix + BookName);
        }
    }
    listing.close(); // before descending, so a deep shelf holds one listing open at a time
    for (const std::string& sub : subdirectories) collect(sub, backups, found);
}
