#pragma once

#include <string>
#include <vector>

// Finds the navigation files of a shelf of books: every file named exactly
// ncc.html below a directory, without following symbolic links.
class BookFinder {
public:
    // The paths found below `directory` (UTF-8), in sorted order, once each.
    // `backups`: a file named ncc.html.old also stands for the book beside it,
    // so that a book whose ncc.html is gone is found for its restore.
    static std::vector<std::string> find(const std::string& directory, bool backups = false);

private:
    static void collect(const std::string& directory, bool backups,
                        std::vector<std::string>& found);
};
