#include <gtest/gtest.h>

#include <string>

#include "tests/Scratch.h"
#include "tests/app/CliSupport.h"

using namespace cli;
using Cli = Scratch;

TEST_F(Cli, UsageHelpAndVersion) {
    EXPECT_EQ(run({}).status, 64);
    const ProgramRun unknown = run({"--frobnicate", "x"});
    EXPECT_EQ(unknown.status, 64);
    EXPECT_NE(unknown.out.find("unknown option: --frobnicate"), std::string::npos);
    const ProgramRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--dry-run"), std::string::npos);
    EXPECT_EQ(run({"--version"}).out.rfind("quorlin-cli ", 0), 0u);
}

TEST_F(Cli, OneLinePerPathAndTheFirstFailureAsStatus) {
    write("a.html", book("vorka:x"));
    write("b.html", "not xml");
    const ProgramRun all = run({path("a.html"), path("missing"), path("b.html")});
    EXPECT_EQ(all.status, 1);
    EXPECT_NE(all.out.find(line(path("a.html"), Repaired)), std::string::npos);
    EXPECT_NE(all.out.find(path("missing") + ": "), std::string::npos);
    EXPECT_NE(all.out.find(path("b.html") + ": "), std::string::npos);
    EXPECT_TRUE(exists("a.html.old"));

    write("c.html", book("dc:title"));
    const ProgramRun quiet = run({"-q", path("c.html")});
    EXPECT_EQ(quiet.status, 0);
    EXPECT_EQ(quiet.out, "");
}

TEST_F(Cli, DryRunListsAndTouchesNothing) {
    write("ncc.html", book("vorka:producer"));
    const ProgramRun dry = run({"--dry-run", path("ncc.html")});
    EXPECT_EQ(dry.status, 0);
    EXPECT_EQ(dry.out, line(path("ncc.html"), "1 meta element to remove") + "  vorka:producer" + LineEnd);
    EXPECT_EQ(read("ncc.html"), book("vorka:producer"));
    EXPECT_FALSE(exists("ncc.html.old"));
}

// The lines are UTF-8 when the output is not a console, Japanese folder
// names included.
TEST_F(Cli, RecursiveRepairsEveryBookInPathOrder) {
    makeDirectory("shelf");
    makeDirectory("shelf/b");
    makeDirectory("shelf/a");
    makeDirectory("shelf/a/inner");
    makeDirectory("shelf/教科書");
    write("shelf/b/ncc.html", book("vorka:1"));
    write("shelf/a/ncc.html", book("vorka:2"));
    write("shelf/a/inner/ncc.html", book("vorka:3"));
    write("shelf/a/other.html", book("vorka:4"));
    write("shelf/教科書/ncc.html", book("vorka:5"));

    const ProgramRun all = run({"-r", path("shelf")});
    EXPECT_EQ(all.status, 0);
    EXPECT_EQ(all.out, line(path("shelf/a/inner/ncc.html"), Repaired) +
                           line(path("shelf/a/ncc.html"), Repaired) +
                           line(path("shelf/b/ncc.html"), Repaired) +
                           line(path("shelf/教科書/ncc.html"), Repaired));
    EXPECT_EQ(read("shelf/教科書/ncc.html.old"), book("vorka:5"));
    EXPECT_FALSE(exists("shelf/a/other.html.old"));
}
