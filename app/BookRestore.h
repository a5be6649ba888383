#pragma once

#include "app/BookReport.h"
#include "base/TString.h"

// Puts a book's original back: PATH.old, as a repair left it, replaces the
// repaired file at PATH. A missing or non-regular PATH.old touches nothing.
class BookRestore {
public:
    // The exit status of a path whose PATH.old is missing or not a regular file.
    static constexpr unsigned NoBackup = 66;

    // Restores the book at `path` or, `dry`, tells what would be done.
    static BookReport run(const ZUM::PathString& path, bool dry);
};
