#pragma once

#include <string>
#include <vector>

// The options and paths of quorlin-cli.
class CommandLine {
public:
    // Parses the arguments after the program name; false (with `error` set)
    // for an unknown option, a bad option value or no path.
    bool parse(int argc, const char* const* argv);

    static const char* usage();

    bool recursive = false;
    bool dryRun = false;
    bool quiet = false;
    bool restore = false;
    bool updateCharset = false;
    bool json = false;
    bool help = false;
    bool version = false;
    unsigned jobs = 1;
    // The name prefixes given with --prefix; empty means the default one.
    std::vector<std::string> prefixes;
    std::vector<std::string> paths;
    std::string error;

private:
    bool takeValue(const std::string& option, const std::string& value);
    bool takeFlags(const std::string& arg);
    bool fail(const std::string& message);
};
