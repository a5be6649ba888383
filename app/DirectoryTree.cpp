#include "app/DirectoryTree.h"

#include "file/DirectoryListing.h"
#include "file/FileSystem.h"

using namespace ZUM;

namespace {

const u16 Separator = FileSystem::Separator;

bool startsWith(const Utf16String& text, std::initializer_list<u16> units) {
    if (text.length() < units.size()) return false;
    u32 i = 0;
    for (u16 unit : units) {
        if (text[i++] != unit) return false;
    }
    return true;
}

bool endsWithSeparator(const Utf16String& text) {
    return text.length() > 0 && text[text.length() - 1] == Separator;
}

void dropLastUnit(Utf16String& text) {
    text.erase(text.length() - 1, 1);
}

// Cuts the path at its last separator (the separator goes too); a path
// without one becomes empty.
void cutAtLastSeparator(Utf16String& path) {
    u32 at = path.length();
    while (at > 0 && path[at - 1] != Separator) --at;
    path.erase(at > 0 ? at - 1 : 0, path.length() - (at > 0 ? at - 1 : 0));
}

} // namespace

bool isDotEntry(const Utf16String& name) {
    return name == Utf16String(u".") || name == Utf16String(u"..");
}

void appendRelativePath(PathString& directory, const Utf16String& relative) {
    Utf16String rest(relative);
    const bool isRoot = directory.length() == 1 && directory[0] == Separator;
    if (!isRoot && endsWithSeparator(directory)) dropLastUnit(directory);
    for (;;) {
        if (rest.length() > 2 && startsWith(rest, {'.', '.', Separator})) {
            if (directory.length() == 0) break;
            rest.erase(0, 3);
            cutAtLastSeparator(directory);
        } else if (rest.length() > 1 && startsWith(rest, {'.', Separator})) {
            rest.erase(0, 2);
        } else {
            break;
        }
    }
    if (directory.length() > 0 && rest.length() > 0) {
        if (endsWithSeparator(directory)) dropLastUnit(directory);
        directory.push(Separator);
    }
    if (rest.length() > 0 && rest[0] == Separator) rest.erase(0, 1);
    directory.append(rest);
}

bool removeDirectoryTree(const PathString& directory) {
    const FileSystem::Attributes attributes = FileSystem::attributesOf(directory);
    if (!attributes.exists || !attributes.directory) return false;
    DirectoryListing listing;
    if (!listing.open(directory)) return false;
    bool ok = true;
    Utf16String name;
    bool isDirectory = false;
    while (ok && listing.next(name, isDirectory)) {
        PathString entry(directory);
        appendRelativePath(entry, name);
        if (isDirectory) {
            if (!isDotEntry(name)) ok = removeDirectoryTree(entry);
        } else {
            const FileSystem::Attributes now = FileSystem::attributesOf(entry);
            ok = now.exists && !now.directory && FileSystem::deleteFile(entry);
        }
    }
    listing.close();
    return ok && FileSystem::removeDirectory(directory);
}
