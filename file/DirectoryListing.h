#pragma once

#include <memory>

#include "base/TString.h"

namespace ZUM {

// The entries of one directory, in the order the file system gives them,
// including "." and "..". Symbolic links are reported as plain entries, never
// as directories, so a walk never follows one out of the tree.
class DirectoryListing : public Object {
public:
    DirectoryListing();
    ~DirectoryListing();
    DirectoryListing(const DirectoryListing&) = delete;
    DirectoryListing& operator=(const DirectoryListing&) = delete;

    // Starts listing `directory`; false when it cannot be read.
    bool open(const Utf16String& directory);
    // The next entry's name and kind; false when there is none.
    bool next(Utf16String& name, bool& isDirectory);
    void close();

private:
    struct Handle;
    std::unique_ptr<Handle> handle;
};

} // namespace ZUM
