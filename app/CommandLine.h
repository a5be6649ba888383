#pragma once

#include <string>
#include <vector>

// The options and paths of quorlin-cli.
class CommandLine {
public:
    // Parses the arguments after the program name; false (with `error` set)
    // for an unknown option or no path.
    bool parse(int argc, const char* const* argv);

    static const char* usage();

    bool recursive = false;
    bool dryRun = false;
    bool quiet = false;
    bool help = false;
    bool version = false;
    std::vector<std::string> paths;
    std::string error;
};
