#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/Scratch.h"
#include "tests/app/CliSupport.h"

using namespace cli;
using Cli = Scratch;

TEST_F(Cli, UsageHelpAndVersion) {
    const std::vector<std::string> refused[] = {
        {},
        {"--frobnicate", "x"},
        {"--prefix", "", "x"}, // matches every meta
        {"--prefix=", "x"},
        {"x", "--prefix"},
        {"-j", "0", "x"},
        {"--jobs=257", "x"},
        {"-jx", "x"},
        {"--restore", "--prefix", "p:", "x"},
        {"--dry-run=1", "x"},
    };
    for (const auto& arguments : refused) {
        const ProgramRun run = cli::run(arguments);
        EXPECT_EQ(run.status, 64) << run.out;
        EXPECT_NE(run.out.find("usage: quorlin-cli"), std::string::npos);
    }
    EXPECT_NE(run({"--frobnicate", "x"}).out.find("unknown option: --frobnicate"),
              std::string::npos);
    const ProgramRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--dry-run"), std::string::npos);
    EXPECT_EQ(run({"--version"}).out.rfind("quorlin-cli ", 0), 0u);
}

// Quiet, only the failures are listed; the status is the first one's.
TEST_F(Cli, QuietListsOnlyTheFailuresAndTheFirstIsTheStatus) {
    write("a.html", book("vorka:x"));
    write("b.html", "<html><body/></html>");
    const ProgramRun quiet = run({"-q", path("a.html"), path("b.html"), path("missing")});
    EXPECT_EQ(quiet.status, 8);
    EXPECT_EQ(quiet.out,
              line(path("b.html"), "エラー：ncc.htmlファイルのファイル形式が間違っています。") +
                  line(path("missing"), "エラー：ファイルが開けません。"));
    EXPECT_TRUE(exists("a.html.old"));
}

// The lines are UTF-8 when the output is not a console, Japanese folder
// names included.
TEST_F(Cli, RecursiveRepairsEveryBookInPathOrder) {
    makeDirectory("shelf");
    makeDirectory("shelf/b");
    makeDirectory("shelf/a");
    makeDirectory("shelf/a/inner");
    // Found in the order of code points, which UTF-16 units alone would not
    // give: U+1F600 is a pair D83D DE00, below FF76.
    for (const char* name : {"shelf/教科書", "shelf/ｶ", "shelf/😀"}) makeDirectory(name);
    write("shelf/😀/ncc.html", book("vorka:6"));
    write("shelf/ｶ/ncc.html", book("vorka:7"));
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
                           line(path("shelf/教科書/ncc.html"), Repaired) +
                           line(path("shelf/ｶ/ncc.html"), Repaired) +
                           line(path("shelf/😀/ncc.html"), Repaired));
    EXPECT_EQ(read("shelf/教科書/ncc.html.old"), book("vorka:5"));
    EXPECT_FALSE(exists("shelf/a/other.html.old"));
}

TEST_F(Cli, RestorePutsTheOriginalBackOrTouchesNothing) {
    write("ncc.html", book("vorka:x"));
    ASSERT_EQ(run({path("ncc.html")}).status, 0);
    const std::string repaired = read("ncc.html");

    EXPECT_EQ(run({"--restore", "-n", path("ncc.html")}).out,
              line(path("ncc.html"), "would be restored from its .old file"));
    EXPECT_EQ(read("ncc.html"), repaired);
    const ProgramRun restore = run({"--restore", path("ncc.html")});
    EXPECT_EQ(restore.status, 0);
    EXPECT_EQ(restore.out, line(path("ncc.html"), "restored from its .old file"));
    EXPECT_EQ(read("ncc.html"), book("vorka:x"));
    EXPECT_FALSE(exists("ncc.html.old"));

    const ProgramRun again = run({"--restore", path("ncc.html")});
    EXPECT_EQ(again.status, 66);
    EXPECT_EQ(again.out, line(path("ncc.html"), "nothing to restore: there is no .old file"));
    write("b.html", "repaired");
    makeDirectory("b.html.old");
    const ProgramRun directory = run({"--restore", path("b.html")});
    EXPECT_EQ(directory.status, 66);
    EXPECT_EQ(read("b.html"), "repaired");
    EXPECT_TRUE(exists("b.html.old"));
}

// A book is found by either file, so one whose ncc.html was lost comes back.
TEST_F(Cli, RecursiveRestoreFindsBooksByTheirBackupToo) {
    makeDirectory("shelf");
    makeDirectory("shelf/lost");
    makeDirectory("shelf/plain");
    makeDirectory("shelf/repaired");
    write("shelf/lost/ncc.html.old", "lost");
    write("shelf/plain/ncc.html", "plain");
    write("shelf/repaired/ncc.html", "new");
    write("shelf/repaired/ncc.html.old", "old");
    const ProgramRun all = run({"--restore", "-r", path("shelf")});
    EXPECT_EQ(all.status, 66);
    EXPECT_EQ(all.out,
              line(path("shelf/lost/ncc.html"), "restored from its .old file") +
                  line(path("shelf/plain/ncc.html"), "nothing to restore: there is no .old file") +
                  line(path("shelf/repaired/ncc.html"), "restored from its .old file"));
    EXPECT_EQ(read("shelf/lost/ncc.html"), "lost");
    EXPECT_EQ(read("shelf/plain/ncc.html"), "plain");
    EXPECT_EQ(read("shelf/repaired/ncc.html"), "old");
}

// The prefixes are matched as bytes: a Japanese one is longer in bytes than
// the name it begins is in units. Given ones replace the default one.
TEST_F(Cli, DryRunListsWhatThePrefixesMatchAndTouchesNothing) {
    const std::string original =
        "<html><head><meta name=\"vorka:a\"/><meta name=\"prod:b\"/><meta name=\"Prod:c\"/>"
        "<meta name=\"制作:x\"/><meta name=\"制作\"/></head></html>";
    write("ncc.html", original);
    const ProgramRun byDefault = run({"--dry-run", path("ncc.html")});
    EXPECT_EQ(byDefault.status, 0);
    EXPECT_EQ(byDefault.out,
              line(path("ncc.html"), "1 meta element to remove") + "  vorka:a" + LineEnd);
    const ProgramRun dry = run({"-n", "--prefix", "prod:", "--prefix=制作:", path("ncc.html")});
    EXPECT_EQ(dry.status, 0);
    EXPECT_EQ(dry.out, line(path("ncc.html"), "2 meta elements to remove") + "  prod:b" + LineEnd +
                           "  制作:x" + LineEnd);
    EXPECT_EQ(read("ncc.html"), original);
    EXPECT_FALSE(exists("ncc.html.old"));
}

TEST_F(Cli, JsonWritesOneObjectPerPath) {
    makeDirectory("教科書");
    write("教科書/ncc.html", "<html><head><meta name=\"vorka:\\&quot;\"/></head></html>");
    const ProgramRun all = run({"--json", path("教科書/ncc.html"), path("missing")});
    EXPECT_EQ(all.status, 1);
    auto quoted = [](std::string text) {
        for (std::size_t at = 0; (at = text.find('\\', at)) != std::string::npos; at += 2)
            text.insert(at, "\\");
        return "\"" + text + "\"";
    };
    EXPECT_EQ(all.out,
              "{\"path\":" + quoted(path("教科書/ncc.html")) + ",\"code\":0,\"message\":\"" +
                  Repaired + "\",\"removed\":[\"vorka:\\\\\\\"\"],\"restored\":false}" + LineEnd +
                  "{\"path\":" + quoted(path("missing")) +
                  ",\"code\":1,\"message\":\"エラー：ファイルが開けません。\",\"removed\":[],"
                  "\"restored\":false}" +
                  LineEnd);
    write("教科書/ncc.html", "x");
    EXPECT_EQ(run({"--json", "--restore", path("教科書/ncc.html")}).out,
              "{\"path\":" + quoted(path("教科書/ncc.html")) +
                  ",\"code\":0,\"message\":\"restored from its .old file\",\"removed\":[],"
                  "\"restored\":true}" +
                  LineEnd);
}

// The same shelf, one worker or several: the same lines in the same order,
// the same status, and a failing book stops none of the others.
TEST_F(Cli, JobsKeepThePathOrderAndTheStatus) {
    std::vector<std::string> one{"-j1"}, three{"--jobs", "3"};
    for (const char* copy : {"one", "three"}) {
        makeDirectory(copy);
        for (int i = 0; i < 24; ++i) {
            const std::string name = std::string(copy) + "/" + std::to_string(i) + ".html";
            if (i % 7 == 3)
                write(name, "<html><body/></html>"); // no head: 8
            else if (i % 7 != 5)
                write(name, book("vorka:" + std::to_string(i)));
            (copy == std::string("one") ? one : three).push_back(path(name));
        }
    }
    const ProgramRun serial = run(one);
    const ProgramRun parallel = run(three);
    EXPECT_EQ(serial.status, 8);
    EXPECT_EQ(parallel.status, serial.status);
    std::string expected = serial.out;
    for (std::size_t at = 0; (at = expected.find(path("one"), at)) != std::string::npos;)
        expected.replace(at, path("one").size(), path("three"));
    EXPECT_EQ(parallel.out, expected);
    for (int i = 0; i < 24; ++i) {
        if (i % 7 == 3 || i % 7 == 5) continue;
        EXPECT_EQ(read("three/" + std::to_string(i) + ".html.old"),
                  book("vorka:" + std::to_string(i)));
    }
}
