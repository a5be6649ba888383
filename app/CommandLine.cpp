#include "app/CommandLine.h"

#include <cstring>

bool CommandLine::parse(int argc, const char* const* argv) {
    bool optionsEnd = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (optionsEnd || arg.size() < 2 || arg[0] != '-') {
            paths.push_back(arg);
        } else if (arg == "--") {
            optionsEnd = true;
        } else if (arg == "-r" || arg == "--recursive") {
            recursive = true;
        } else if (arg == "-n" || arg == "--dry-run") {
            dryRun = true;
        } else if (arg == "-q" || arg == "--quiet") {
            quiet = true;
        } else if (arg == "-h" || arg == "--help") {
            help = true;
        } else if (arg == "--version") {
            version = true;
        } else if (arg[1] != '-' && arg.size() > 2 &&
                   arg.find_first_not_of("rnqh", 1) == std::string::npos) {
            // Bundled short options, as in -rq.
            for (char c : arg.substr(1)) {
                recursive |= c == 'r';
                dryRun |= c == 'n';
                quiet |= c == 'q';
                help |= c == 'h';
            }
        } else {
            error = "unknown option: " + arg;
            return false;
        }
    }
    if (paths.empty() && !help && !version) {
        error = "no path given";
        return false;
    }
    return true;
}

const char* CommandLine::usage() {
    return "usage: quorlin-cli [options] PATH...\n"
           "\n"
           "Repairs the ncc.html navigation file of DAISY talking books: removes the\n"
           "meta elements of its head whose name begins with \"vorka:\", keeps the\n"
           "original beside it as ncc.html.old (replacing an older one), and writes\n"
           "the repaired file as UTF-8.\n"
           "\n"
           "Prints one line per file, PATH: MESSAGE.\n"
           "\n"
           "options:\n"
           "  -r, --recursive  search directory arguments for files named ncc.html\n"
           "                   (symbolic links are not followed) and repair them in\n"
           "                   sorted path order\n"
           "  -n, --dry-run    load each file and list the meta names that would be\n"
           "                   removed; nothing on disk changes. A PATH may also be\n"
           "                   an http://host[:port]/path location of a book on a web\n"
           "                   server, which can only be listed this way\n"
           "  -q, --quiet      print only the files that fail\n"
           "  -h, --help       show this help and exit\n"
           "      --version    show the version and exit\n"
           "\n"
           "exit status: 0 when every file was repaired; otherwise the result code of\n"
           "the first file that failed: 1 cannot open, 2 not well-formed XML or not\n"
           "decodable faithfully, 3 cannot delete the old backup file, 4 cannot delete\n"
           "the old backup directory, 5 cannot rename, 6 cannot save, 7 cannot write,\n"
           "8 not an ncc.html (no root element or no head); 64 for a usage error;\n"
           "65 when an http:// location is given without -n: a file on a web server\n"
           "cannot be repaired in place, so nothing is done.\n";
}
