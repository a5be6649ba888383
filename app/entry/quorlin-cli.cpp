// quorlin-cli: repairs ncc.html files from the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "app/BatchRepair.h"
#include "app/CommandLine.h"
#include "base/Library.h"
#include "file/Console.h"

namespace {
constexpr int UsageError = 64;
constexpr int WebLocationRefused = 65;
} // namespace

int main(int argc, char** argv) {
    std::vector<const char*> arguments{"quorlin-cli"};
    const std::vector<std::string> given = ZUM::Console::arguments(argc, argv);
    for (const std::string& argument : given) arguments.push_back(argument.c_str());
    CommandLine options;
    if (!options.parse(static_cast<int>(arguments.size()), arguments.data())) {
        ZUM::Console::write(stderr, "quorlin-cli: " + options.error + "\n\n" + CommandLine::usage());
        return UsageError;
    }
    if (options.help) {
        std::fputs(CommandLine::usage(), stdout);
        return 0;
    }
    if (options.version) {
        std::puts("quorlin-cli " QUORLIN_VERSION);
        return 0;
    }
    for (const std::string& path : options.paths) {
        if ((!options.dryRun || options.restore) && BatchRepair::isWebLocation(path)) {
            ZUM::Console::write(stderr, "quorlin-cli: " + path +
                                            ": a book on a web server cannot be repaired in "
                                            "place; -n lists what would be removed\n");
            return WebLocationRefused;
        }
    }
    ZUM::startLibrary();
    const int status = BatchRepair(options, stdout, stderr).run();
    ZUM::stopLibrary();
    return status;
}
