#pragma once

#include <string>
#include <vector>

// Finds the navigation files of a shelf of books: every file named exactly
// ncc.html below a directory, without following symbolic links.
class BookFinder {
public:
    // The paths found below `directory` (UTF-8), in sorted order.
    static std::vector<std::string> find(const std::string& directory);

private:
    static void collect(const std::string& directory, std::vector<std::string>& found);
};
