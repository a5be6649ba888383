// quorlin: the repair dialog.
#include <cstdio>
#include <cstring>

#include "app/dialog/QuorlinApp.h"
#include "app/ui/EntryValues.h"
#include "app/ui/PlatformToolkit.h"

namespace {

constexpr int UsageError = 64;

const char* const usage =
    "usage: quorlin [--help | --version]\n"
    "\n"
    "Opens the repair dialog for the ncc.html navigation file of a DAISY talking\n"
    "book. Press \"...\" (or drop the file on the window) to choose the ncc.html,\n"
    "then \"修正開始\" to repair it: the meta elements of its head whose name begins\n"
    "with \"vorka:\" are removed, the original is kept beside it as ncc.html.old\n"
    "(replacing an older one), and the repaired file is written as UTF-8. A message\n"
    "box reports the result. \"終了\", Escape or the close box end the program.\n"
    "\n"
    "Tab moves between the buttons, Enter presses the focused one.\n"
    "For many books at once, use quorlin-cli.\n";

bool isInformation(const char* argument) {
    return std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0 ||
           std::strcmp(argument, "--version") == 0;
}

// The program takes no arguments but these two.
int answerArguments(const char* argument) {
    if (std::strcmp(argument, "--version") == 0) {
        std::puts("quorlin " QUORLIN_VERSION);
        return 0;
    }
    if (isInformation(argument)) {
        std::fputs(usage, stdout);
        return 0;
    }
    std::fprintf(stderr, "quorlin: unexpected argument: %s\n\n%s", argument, usage);
    return UsageError;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && isInformation(argv[1])) return answerArguments(argv[1]); // needs no display
    std::unique_ptr<Toolkit> toolkit = createPlatformToolkit(argc, argv); // takes its own options
    if (!toolkit) return 1;
    if (argc > 1) return answerArguments(argv[1]);
    return runQuorlin(*toolkit, EntryValues{});
}
