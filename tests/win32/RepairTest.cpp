// The Windows counterpart of the POSIX-only repair cases: a junction in the
// backup directory. (Japanese paths are repaired by the portable tests.)
#include <gtest/gtest.h>

#include <string>

#include "tests/app/RepairSupport.h"
#include "tests/win32/DirectoryLink.h"

using namespace repair;

// The walk removes the junction as itself and never enters it. wine's stand-in
// link cannot be removed by any Windows call, so there the walk stops at it
// and the book stays as it was.
TEST_F(Repair, BackupDirectoryIsRemovedWithoutEnteringJunctions) {
    const std::string original = bookWithBackupDirectory();
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
