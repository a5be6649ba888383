#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/ResultCode.h"

// quorlin-cli's work: repairs (or, dry, inspects) each path of the command line
// and reports one line per path on `out`, progress on `progress` when it is a
// terminal and there is more than one file.
class BatchRepair {
public:
    BatchRepair(const CommandLine& options, std::FILE* out, std::FILE* progress);

    // The exit status: 0 when every path succeeded, else the result code of
    // the first path that failed.
    int run();

    // Whether `path` is an "http://" location: a book on a web server, which
    // can be inspected but not repaired in place.
    static bool isWebLocation(const std::string& path);

private:
    std::vector<std::string> collectPaths() const;
    ResultCode repairOne(const std::string& path);
    void report(const std::string& path, ResultCode code, const std::vector<std::string>& names);
    void showProgress(std::size_t done, std::size_t total, const std::string& path);

    const CommandLine& options;
    std::FILE* out;
    std::FILE* progress;
    bool showing = false; // a progress line is on the terminal
};
