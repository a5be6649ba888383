#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/BookReport.h"
#include "app/CommandLine.h"
#include "app/RepairJob.h"

// quorlin-cli's work: repairs (or inspects, or restores) each path of the
// command line, on as many workers as asked for, and reports one line per
// path on `out` in the order of the paths, progress on `progress` when it is
// a terminal and there is more than one file.
class BatchRepair {
public:
    // The exit status of a path whose work raised where nothing could catch
    // it; its book is in a state the repair's own failures leave.
    static constexpr unsigned InternalFailure = 70;
    // The threads that flush saved books to the disk, beside the workers: a
    // worker goes on with its next book meanwhile, and the disk takes the
    // flushes of several books at one go.
    static constexpr unsigned FlushingThreads = 4;

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

    // A path's work as a worker leaves it: its report, and the repair whose
    // flush is still due when the book was saved.
    struct Outcome {
        BookReport report;
        std::unique_ptr<RepairJob> unflushed;
    };

    std::vector<Target> collectTargets() const;
    Outcome process(const Target& target) const noexcept;
    Outcome repairOne(const Target& target) const;
    static void flush(Outcome& outcome) noexcept;
    void report(const BookReport& report);
    void showProgress(std::size_t done, std::size_t total, const ZUM::PathString& path);

    const CommandLine& options;
    std::FILE* out;
    std::FILE* progress;
    bool showing = false; // a progress line is on the terminal
};
