// The repair cases that need POSIX: symbolic links, a file-size limit and
// /proc. tests/win32 holds their Windows counterparts.
#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/app/RepairSupport.h"

using namespace repair;

TEST_F(Repair, ReadFailureWhileLoadingIsALoadFailure) {
    EXPECT_EQ(RepairJob(pathOf("/proc/self/mem")).run(), NotXml);
}

TEST_F(Repair, BackupDirectoryIsRemovedWithoutFollowingLinks) {
    const std::string original = bookWithBackupDirectory();
    ASSERT_EQ(::symlink(path("outside").c_str(), path("ncc.html.old/link").c_str()), 0);
    ASSERT_EQ(::symlink(path("outside").c_str(), path("ncc.html.old/sub/link").c_str()), 0);
    EXPECT_EQ(repair(), Repaired);
    EXPECT_EQ(read("outside/keep"), "precious");
    EXPECT_EQ(read("ncc.html.old"), original);
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

// A private book stays private: the repaired file has the original's
// permission bits and, as root, its owner and group.
TEST_F(Repair, TheRepairedFileKeepsTheOriginalsRights) {
    const bool root = ::geteuid() == 0;
    struct Case {
        const char* name;
        mode_t mode;
        bool foreignOwner; // owned by nobody:nogroup, which only root can give
    };
    const Case cases[] = {
        {"private.html", 0600, false}, {"group.html", 0640, false}, {"owned.html", 0660, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.foreignOwner && !root) continue;
        write(c.name, book("<meta name=\"vorka:a\"/>"));
        ASSERT_EQ(::chmod(path(c.name).c_str(), c.mode), 0);
        if (c.foreignOwner) {
            ASSERT_EQ(::chown(path(c.name).c_str(), 65534, 65534), 0);
        }
        struct stat before, after;
        ASSERT_EQ(::stat(path(c.name).c_str(), &before), 0);
        ASSERT_EQ(repair(c.name), Repaired);
        ASSERT_EQ(::stat(path(c.name).c_str(), &after), 0);
        EXPECT_EQ(after.st_mode & 07777, c.mode);
        EXPECT_EQ(after.st_uid, before.st_uid);
        EXPECT_EQ(after.st_gid, before.st_gid);
    }
}
