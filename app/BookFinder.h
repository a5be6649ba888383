#pragma once

#include <vector>

#include "base/TString.h"

// Finds the navigation files of a shelf of books: every file named exactly
// ncc.html below a directory, without following symbolic links.
class BookFinder {
public:
    // The paths found below `directory`, once each, in the order of their
    // code points (the order of their UTF-8 bytes).
    // `backups`: a file named ncc.html.old also stands for the book beside it,
    // so that a book whose ncc.html is gone is found for its restore.
    static std::vector<ZUM::PathString> find(const ZUM::PathString& directory,
                                             bool backups = false);

private:
    static void collect(const ZUM::PathString& directory, bool backups,
                        std::vector<ZUM::PathString>& found);
};
