// The Windows counterparts of the POSIX-only command-line cases: arguments
// outside the ANSI code page, and junctions on a shelf.
#include <gtest/gtest.h>

#include <string>

#include "tests/Scratch.h"
#include "tests/app/CliSupport.h"
#include "tests/win32/DirectoryLink.h"

using namespace cli;
using Cli = Scratch;

// The arguments come from the UTF-16 command line, so a Japanese path, or one
// with a surrogate standing alone, reaches the file it names and is written
// back as it was given.
TEST_F(Cli, ArgumentsKeepEveryUnit) {
    makeDirectory("教科書");
    write("教科書/ncc.html", book("vorka:1"));
    const std::string lone = root + "\\a\xED\xA0\x80z"; // beyond std::filesystem
    const ProgramRun all = run({path("教科書/ncc.html"), lone});
    EXPECT_EQ(all.status, 1);
    EXPECT_EQ(all.out, line(path("教科書/ncc.html"), Repaired) +
                           line(lone, "エラー：ファイルが開けません。"));
    EXPECT_EQ(read("教科書/ncc.html.old"), book("vorka:1"));
}

TEST_F(Cli, RecursiveEntersNoJunction) {
    makeDirectory("shelf");
    makeDirectory("shelf/a");
    write("shelf/a/ncc.html", book("vorka:1"));
    makeDirectory("elsewhere");
    write("elsewhere/ncc.html", book("vorka:2"));
    const DirectoryLink link(path("shelf/link"), path("elsewhere"));
    ASSERT_TRUE(link.made());

    const ProgramRun all = run({"-r", path("shelf")});
    EXPECT_EQ(all.status, 0);
    EXPECT_EQ(all.out, line(path("shelf/a/ncc.html"), Repaired));
    EXPECT_FALSE(exists("elsewhere/ncc.html.old"));
}
