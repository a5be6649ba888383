#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

#include "tests/Scratch.h"

namespace {

struct Outcome {
    int status;
    std::string out;
};

// Runs the built quorlin-cli with `arguments` (shell words), standard error
// folded into the output.
Outcome cli(const std::string& arguments) {
    const std::string command = std::string(QUORLIN_CLI) + " " + arguments + " 2>&1";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    Outcome outcome{-1, ""};
    if (!pipe) return outcome;
    std::array<char, 4096> buffer;
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        outcome.out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

const std::string Repaired = "\xE4\xBF\xAE\xE6\xAD\xA3\xE3\x81\x8C\xE6\x88\x90\xE5\x8A\x9F\xE3\x81"
                             "\x97\xE3\x81\xBE\xE3\x81\x97\xE3\x81\x9F\xE3\x80\x82";

std::string book(const std::string& meta) {
    return "<?xml version=\"1.0\"?><html><head><meta name=\"" + meta + "\"/></head><body/></html>";
}

using Cli = Scratch;

} // namespace

TEST_F(Cli, UsageHelpAndVersion) {
    EXPECT_EQ(cli("").status, 64);
    const Outcome unknown = cli("--frobnicate x");
    EXPECT_EQ(unknown.status, 64);
    EXPECT_NE(unknown.out.find("unknown option: --frobnicate"), std::string::npos);
    const Outcome help = cli("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--dry-run"), std::string::npos);
    EXPECT_EQ(cli("--version").out.rfind("quorlin-cli ", 0), 0u);
}

TEST_F(Cli, OneLinePerPathAndTheFirstFailureAsStatus) {
    write("a.html", book("vorka:x"));
    write("b.html", "not xml");
    const Outcome run = cli(path("a.html") + " " + path("missing") + " " + path("b.html"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find(path("a.html") + ": " + Repaired + "\n"), std::string::npos);
    EXPECT_NE(run.out.find(path("missing") + ": "), std::string::npos);
    EXPECT_NE(run.out.find(path("b.html") + ": "), std::string::npos);
    EXPECT_TRUE(exists("a.html.old"));

    write("c.html", book("dc:title"));
    const Outcome quiet = cli("-q " + path("c.html"));
    EXPECT_EQ(quiet.status, 0);
    EXPECT_EQ(quiet.out, "");
}

TEST_F(Cli, DryRunListsAndTouchesNothing) {
    write("ncc.html", book("vorka:producer"));
    const Outcome dry = cli("--dry-run " + path("ncc.html"));
    EXPECT_EQ(dry.status, 0);
    EXPECT_EQ(dry.out, path("ncc.html") + ": 1 meta element to remove\n  vorka:producer\n");
    EXPECT_EQ(read("ncc.html"), book("vorka:producer"));
    EXPECT_FALSE(exists("ncc.html.old"));
}

TEST_F(Cli, RecursiveRepairsEveryBookInPathOrder) {
    makeDirectory("shelf");
    makeDirectory("shelf/b");
    makeDirectory("shelf/a");
    makeDirectory("shelf/a/inner");
    write("shelf/b/ncc.html", book("vorka:1"));
    write("shelf/a/ncc.html", book("vorka:2"));
    write("shelf/a/inner/ncc.html", book("vorka:3"));
    write("shelf/a/NCC.HTML", book("vorka:4"));
    // Two books whose folder names differ only by a byte that is not UTF-8.
    makeDirectory("shelf/c");
    makeDirectory("shelf/c\xe9");
    write("shelf/c/ncc.html", book("vorka:6"));
    write("shelf/c\xe9/ncc.html", book("vorka:7"));
    makeDirectory("elsewhere");
    write("elsewhere/ncc.html", book("vorka:5"));
    ASSERT_EQ(::symlink(path("elsewhere").c_str(), path("shelf/link").c_str()), 0);

    const Outcome run = cli("-r " + path("shelf"));
    EXPECT_EQ(run.status, 0);
    const std::string expected = path("shelf/a/inner/ncc.html") + ": " + Repaired + "\n" +
                                 path("shelf/a/ncc.html") + ": " + Repaired + "\n" +
                                 path("shelf/b/ncc.html") + ": " + Repaired + "\n" +
                                 path("shelf/c/ncc.html") + ": " + Repaired + "\n" +
                                 path("shelf/c\xe9/ncc.html") + ": " + Repaired + "\n";
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(read("shelf/c/ncc.html.old"), book("vorka:6"));
    EXPECT_EQ(read("shelf/c\xe9/ncc.html.old"), book("vorka:7"));
    EXPECT_FALSE(exists("elsewhere/ncc.html.old"));
    EXPECT_FALSE(exists("shelf/a/NCC.HTML.old"));
}
