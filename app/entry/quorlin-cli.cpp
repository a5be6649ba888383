// quorlin-cli: repairs ncc.html files from the command line.
#include <cstdio>

#include "app/BatchRepair.h"
#include "app/CommandLine.h"
#include "base/Library.h"

namespace {
constexpr int UsageError = 64;
}

int main(int argc, char** argv) {
    CommandLine options;
    if (!options.parse(argc, argv)) {
        std::fprintf(stderr, "quorlin-cli: %s\n\n%s", options.error.c_str(), CommandLine::usage());
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
    ZUM::startLibrary();
    const int status = BatchRepair(options, stdout, stderr).run();
    ZUM::stopLibrary();
    return status;
}
