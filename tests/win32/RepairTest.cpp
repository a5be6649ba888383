// The Windows counterparts of the POSIX-only repair cases: a junction in the
// backup directory, and a book whose path is outside the ANSI code page.
#include <gtest/gtest.h>

#include <string>

#include "tests/app/RepairSupport.h"
#include "tests/win32/DirectoryLink.h"

using namespace repair;

// The walk removes the junction as itself and never enters it. wine's stand-in
// link cannot be removed by any Windows call, so there the walk stops at it
// and the book stays as it was.
TEST_F(Repair, BackupDirectoryIsRemovedWithoutEnteringJunctions) {
    const std::string original = book("<meta name=\"vorka:a\"/>");
    write("ncc.html", original);
    makeDirectory("outside");
    write("outside/keep", "precious");
    makeDirectory("ncc.html.old");
    makeDirectory("ncc.html.old/sub");
    write("ncc.html.old/sub/f", "x");
    const DirectoryLink link(path("ncc.html.old/sub/link"), path("outside"));
    ASSERT_TRUE(link.made());
    if (link.removableAsItself()) {
        EXPECT_EQ(repair(), Repaired);
        EXPECT_EQ(read("ncc.html.old"), original);
    } else {
        EXPECT_EQ(repair(), CannotDeleteBackupDirectory);
        EXPECT_EQ(read("ncc.html"), original);
        EXPECT_TRUE(exists("ncc.html.old/sub/link"));
    }
    EXPECT_EQ(read("outside/keep"), "precious");
}

TEST_F(Repair, BooksOutsideTheAnsiCodePage) {
    makeDirectory("教科書");
    const std::string original = book("<meta name=\"vorka:a\"/>", "<h1>日本語</h1>");
    write("教科書/ncc.html", original);
    EXPECT_EQ(repair("教科書/ncc.html"), Repaired);
    EXPECT_EQ(repaired("教科書/ncc.html"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<html><head/><body><h1>日本語</h1>"
              "</body></html>");
    EXPECT_EQ(read("教科書/ncc.html.old"), original);
}
