#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "app/BookReport.h"
#include "app/CommandLine.h"

// quorlin-cli's work: repairs (or inspects, or restores) each path of the
// command line, on as many workers as asked for, and reports one line per
// path on `out` in the order of the paths, progress on `progress` when it is
// a terminal and there is more than one file.
class BatchRepair {
public:
    // The exit status of a path whose work raised where nothing could catch
    // it; its book is in a state the repair's own failures leave.
    static constexpr unsigned InternalFailure = 70;

    BatchRepair(const CommandLine& options, std::FILE* out, std::FILE* progress);

    // The exit status: 0 when every path succeeded, else the code of the
    // first path, in path order, that failed.
    int run();

    // Whether `path` is an "http://" location: a book on a web server, which
    // can be inspected but not repaired in place.
    static bool isWebLocation(const std::string& path);

private:
    // A path to work on, taken from its narrow form once.
    struct Target {
        ZUM::PathString path;
        bool web = false; // an "http://" location
    };

    std::vector<Target> collectTargets() const;
    BookReport process(const Target& target) const noexcept;
    BookReport repairOne(const Target& target) const;
    void report(const BookReport& report);
    void showProgress(std::size_t done, std::size_t total, const ZUM::PathString& path);

    const CommandLine& options;
    std::FILE* out;
    std::FILE* progress;
    bool showing = false; // a progress line is on the terminal
};
