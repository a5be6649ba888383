#include "app/CommandLine.h"

#include <optional>

#include "base/Utf8Sequence.h"

namespace {

constexpr unsigned MaxJobs = 256;

bool isUtf8(const std::string& text) {
    const auto* at = reinterpret_cast<const unsigned char*>(text.data());
    const auto size = static_cast<ZUM::u32>(text.size());
    for (ZUM::u32 i = 0; i < size;) {
        char32_t c;
        const ZUM::u32 length = ZUM::Utf8Sequence::decode(at + i, size - i, c);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

// The options that take a value, as the next argument or after "=".
bool takesValue(const std::string& option) {
    return option == "--prefix" || option == "-j" || option == "--jobs";
}

} // namespace

bool CommandLine::fail(const std::string& message) {
    error = message;
    return false;
}

bool CommandLine::takeValue(const std::string& option, const std::string& value) {
    if (option == "--prefix") {
        // Every name begins with the empty prefix; a name that is not UTF-8
        // text is never read from a book, so such a prefix could match none.
        if (value.empty()) return fail("--prefix: an empty prefix would match every meta element");
        if (!isUtf8(value)) return fail("--prefix: the prefix is not UTF-8 text");
        prefixes.push_back(value);
        return true;
    }
    // A count of workers: 1 to MaxJobs, in decimal digits.
    const bool digits = !value.empty() && value.size() <= 3 &&
                        value.find_first_not_of("0123456789") == std::string::npos;
    const unsigned count = digits ? static_cast<unsigned>(std::stoul(value)) : 0;
    if (count < 1 || count > MaxJobs)
        return fail(option + ": not a number of jobs from 1 to " + std::to_string(MaxJobs) + ": " +
                    value);
    jobs = count;
    return true;
}

bool CommandLine::parse(int argc, const char* const* argv) {
    bool optionsEnd = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (optionsEnd || arg.size() < 2 || arg[0] != '-') {
            paths.push_back(arg);
            continue;
        }
        std::optional<std::string> value; // given after "=", or as in -j2
        if (const auto equals = arg.find('='); arg[1] == '-' && equals != std::string::npos) {
            value = arg.substr(equals + 1);
            arg.resize(equals);
        } else if (arg.size() > 2 && arg.rfind("-j", 0) == 0) {
            value = arg.substr(2);
            arg = "-j";
        }
        if (takesValue(arg)) {
            if (!value && i + 1 == argc) return fail(arg + " needs a value");
            if (!takeValue(arg, value ? *value : argv[++i])) return false;
        } else if (arg == "--" && !value) {
            optionsEnd = true;
        } else if (value || !takeFlags(arg)) {
            return fail("unknown option: " + std::string(argv[i]));
        }
    }
    if (restore && (updateCharset || !prefixes.empty()))
        return fail("--restore puts the original back; it takes no --prefix or --update-charset");
    if (paths.empty() && !help && !version) return fail("no path given");
    return true;
}

// A flag by its long or short name, or a bundle of short ones as in -rq.
bool CommandLine::takeFlags(const std::string& arg) {
    const struct {
        char letter; // 0: none
        const char* name;
        bool CommandLine::*flag;
    } flags[] = {
        {'r', "--recursive", &CommandLine::recursive},
        {'n', "--dry-run", &CommandLine::dryRun},
        {'q', "--quiet", &CommandLine::quiet},
        {0, "--restore", &CommandLine::restore},
        {0, "--update-charset", &CommandLine::updateCharset},
        {0, "--json", &CommandLine::json},
        {'h', "--help", &CommandLine::help},
        {0, "--version", &CommandLine::version},
    };
    for (const auto& f : flags) {
        if (arg == f.name) return this->*f.flag = true;
    }
    if (arg[1] == '-') return false;
    for (char letter : arg.substr(1)) {
        bool known = false;
        for (const auto& f : flags) {
            if (f.letter == letter) known = this->*f.flag = true;
        }
        if (!known) return false;
    }
    return true;
}

const char* CommandLine::usage() {
    return "usage: quorlin-cli [options] PATH...\n"
           "\n"
           "Repairs the ncc.html navigation file of DAISY talking books: removes the\n"
           "meta elements of its head whose name begins with \"vorka:\", keeps the\n"
           "original beside it as ncc.html.old (replacing an older one), and writes\n"
           "the repaired file as UTF-8 with the original's permissions; a repair is\n"
           "reported successful only once the new file is on the disk.\n"
           "\n"
           "Prints one line per file, PATH: MESSAGE, in the order of the paths.\n"
           "\n"
           "options:\n"
           "  -r, --recursive    search directory arguments for files named ncc.html\n"
           "                     (symbolic links are not followed) and work on them in\n"
           "                     sorted path order\n"
           "  -n, --dry-run      load each file and list the meta names that would be\n"
           "                     removed; nothing on disk changes. A PATH may also be\n"
           "                     an http://host[:port]/path location of a book on a web\n"
           "                     server, which can only be listed this way\n"
           "  -q, --quiet        print only the files that fail\n"
           "      --prefix TEXT  remove the meta elements whose name begins with TEXT\n"
           "                     (exact bytes, case-sensitive) instead of \"vorka:\";\n"
           "                     may be given more than once; TEXT must not be empty\n"
           "      --update-charset\n"
           "                     also make the book's charset labels say utf-8: the\n"
           "                     content of <meta name=\"ncc:charset\"> and the charset\n"
           "                     of <meta http-equiv=\"Content-Type\"> in its head\n"
           "      --restore      put PATH.old back at PATH, replacing the repaired\n"
           "                     file (with -r: each book found, by its ncc.html or\n"
           "                     its ncc.html.old); with -n, tell what would be restored\n"
           "      --json         print one JSON object per line and path instead:\n"
           "                     \"path\", \"code\", \"message\", \"removed\", \"restored\";\n"
           "                     no progress is drawn. A byte B of a path that is not\n"
           "                     UTF-8 is written as the escape \\udcXX of U+DC00+B\n"
           "  -j, --jobs N       work on N files at a time (1 to 256; default 1); the\n"
           "                     lines keep the order of the paths\n"
           "  -h, --help         show this help and exit\n"
           "      --version      show the version and exit\n"
           "\n"
           "exit status: 0 when every file succeeded; otherwise the code of the first\n"
           "file, in path order, that failed: 1 cannot open, 2 not well-formed XML or\n"
           "not decodable faithfully, 3 cannot delete the old backup file, 4 cannot\n"
           "delete the old backup directory, 5 cannot rename (also: cannot restore),\n"
           "6 cannot save, 7 cannot write, 8 not an ncc.html (no root element or no\n"
           "head); 66 nothing to restore (PATH.old missing or not a regular file;\n"
           "nothing is touched); 70 an internal failure (the original is at PATH or\n"
           "PATH.old). 64 for a usage error; 65 when an http:// location is given\n"
           "without -n, or with --restore: a file on a web server cannot be changed,\n"
           "so nothing is done.\n";
}
