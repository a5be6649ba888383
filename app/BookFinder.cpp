#include "app/BookFinder.h"

#include <algorithm>

#include "app/DirectoryTree.h"
#include "base/Surrogates.h"
#include "file/DirectoryListing.h"

using namespace ZUM;

namespace {

// UTF-16 units in code-point order: the units from E000 up rank above the
// surrogates, which stand for the code points beyond FFFF.
u32 rank(u16 unit) {
    return unit >= 0xE000 ? unit - 0x800u : Surrogates::isSurrogate(unit) ? unit + 0x2000u : unit;
}

bool inCodePointOrder(const PathString& a, const PathString& b) {
    const u32 common = std::min(a.length(), b.length());
    for (u32 i = 0; i < common; ++i) {
        if (a[i] != b[i]) return rank(a[i]) < rank(b[i]);
    }
    return a.length() < b.length();
}

const Utf16String& bookName() {
    static const Utf16String name(u"ncc.html");
    return name;
}

const Utf16String& backupName() {
    static const Utf16String name(u"ncc.html.old");
    return name;
}

} // namespace

std::vector<PathString> BookFinder::find(const PathString& directory, bool backups) {
    std::vector<PathString> found;
    collect(directory, backups, found);
    std::sort(found.begin(), found.end(), inCodePointOrder);
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

void BookFinder::collect(const PathString& directory, bool backups,
                         std::vector<PathString>& found) {
    DirectoryListing listing;
    if (!listing.open(directory)) return;
    Utf16String name;
    bool isDirectory = false;
    std::vector<PathString> subdirectories;
    while (listing.next(name, isDirectory)) {
        if (isDirectory ? isDotEntry(name)
                        : !(name == bookName() || (backups && name == backupName())))
            continue;
        PathString entry(directory);
        appendRelativePath(entry, isDirectory ? name : bookName());
        (isDirectory ? subdirectories : found).push_back(std::move(entry));
    }
    listing.close(); // before descending, so a deep shelf holds one listing open at a time
    for (const PathString& sub : subdirectories) collect(sub, backups, found);
}
