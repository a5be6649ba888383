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

} // namespace

std::vector<std::string> BookFinder::find(const std::string& directory) {
    std::vector<std::string> found;
    collect(directory, found);
    std::sort(found.begin(), found.end());
    return found;
}

void BookFinder::collect(const std::string& directory, std::vector<std::string>& found) {
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
        } else if (entry == "ncc.html") {
            found.push_back(prefix + entry);
        }
    }
    listing.close(); // before descending, so a deep shelf holds one listing open at a time
    for (const std::string& sub : subdirectories) collect(sub, found);
}
