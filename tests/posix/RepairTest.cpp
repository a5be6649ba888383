// The repair cases that need POSIX: symbolic links, a file-size limit and
// /proc. tests/win32 holds their Windows counterparts.
#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/app/RepairSupport.h"

using namespace repair;

TEST_F(Repair, ReadFailureWhileLoadingIsALoadFailure) {
    EXPECT_EQ(RepairJob(pathOf("/proc/self/mem")).run(), NotXml);
}

TEST_F(Repair, BackupDirectoryIsRemovedWithoutFollowingLinks) {
    write("ncc.html", book("<meta name=\"vorka:a\"/>"));
    makeDirectory("outside");
    write("outside/keep", "precious");
    makeDirectory("ncc.html.old");
    makeDirectory("ncc.html.old/sub");
    write("ncc.html.old/sub/f", "x");
    ASSERT_EQ(::symlink(path("outside").c_str(), path("ncc.html.old/link").c_str()), 0);
    ASSERT_EQ(::symlink(path("outside").c_str(), path("ncc.html.old/sub/link").c_str()), 0);
    EXPECT_EQ(repair(), Repaired);
    EXPECT_EQ(read("outside/keep"), "precious");
    EXPECT_EQ(read("ncc.html.old"), book("<meta name=\"vorka:a\"/>"));
}

// A file-size limit makes the write fail part-way: run it in a child.
TEST_F(Repair, WriteFailurePartWayLeavesTheOriginalAtOld) {
    const std::string original = book(std::string(20000, ' ') + "<meta name=\"vorka:a\"/>");
    write("big.html", original);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(static_cast<int>(RepairJob(pathOf(path("big.html"))).run()));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), CannotWrite);
    EXPECT_EQ(read("big.html.old"), original);
    EXPECT_LE(read("big.html").size(), 4096u);
}
