#pragma once

#include <string>
#include <vector>

#include "base/TString.h"

// What quorlin-cli found or did for one path, as its line (or JSON object)
// tells it.
struct BookReport {
    ZUM::PathString path; // as given or found
    unsigned code = 0;   // 0, or the exit status the path's failure stands for
    std::string message; // the line's text after "PATH: ", UTF-8
    // The names of the meta elements removed (with -n: to be removed), UTF-8.
    std::vector<std::string> names;
    bool listNames = false; // the human form lists the names below the line
    bool restored = false;  // the original was put back from PATH.old
};
