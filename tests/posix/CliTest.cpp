// The command-line cases that need POSIX: symbolic links, names that are not
// UTF-8, names that differ only in case, and a web server of the system's.
// tests/win32 holds the Windows counterparts of the first two.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

#include "tests/Scratch.h"
#include "tests/app/CliSupport.h"

using namespace cli;

namespace {

using Cli = Scratch;

// python3's http.server on 127.0.0.1 at a port it picks, serving `directory`,
// for at most a minute; stopped when this ends. Port 0 when it did not start.
class WebServer {
public:
    explicit WebServer(const std::string& directory) {
        // The shell's pid becomes the server's; the server announces
        // "Serving HTTP on 127.0.0.1 port N ...".
        output = ::popen(("echo $$; exec timeout 60 python3 -u -m http.server 0 --bind 127.0.0.1 "
                          "--directory '" +
                          directory + "' 2>/dev/null")
                             .c_str(),
                         "r");
        char line[256];
        if (output && std::fgets(line, sizeof line, output)) pid = std::atoi(line);
        if (pid && std::fgets(line, sizeof line, output) && std::strstr(line, " port "))
            port = std::atoi(std::strstr(line, " port ") + 6);
    }
    ~WebServer() {
        if (pid) ::kill(pid, SIGTERM);
        if (output) ::pclose(output);
    }
    std::string url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port) + path;
    }

    int port = 0;

private:
    std::FILE* output = nullptr;
    pid_t pid = 0;
};

} // namespace

TEST_F(Cli, RecursiveFollowsNoLinkAndKeepsOddNamesApart) {
    makeDirectory("shelf");
    makeDirectory("shelf/a");
    write("shelf/a/ncc.html", book("vorka:1"));
    write("shelf/a/NCC.HTML", book("vorka:2"));
    // Two books whose folder names differ only by a byte that is not UTF-8.
    makeDirectory("shelf/c");
    makeDirectory("shelf/c\xe9");
    write("shelf/c/ncc.html", book("vorka:3"));
    write("shelf/c\xe9/ncc.html", book("vorka:4"));
    makeDirectory("elsewhere");
    write("elsewhere/ncc.html", book("vorka:5"));
    ASSERT_EQ(::symlink(path("elsewhere").c_str(), path("shelf/link").c_str()), 0);

    const ProgramRun all = run({"-r", path("shelf")});
    EXPECT_EQ(all.status, 0);
    EXPECT_EQ(all.out, line(path("shelf/a/ncc.html"), Repaired) +
                           line(path("shelf/c/ncc.html"), Repaired) +
                           line(path("shelf/c\xe9/ncc.html"), Repaired));
    EXPECT_EQ(read("shelf/c/ncc.html.old"), book("vorka:3"));
    EXPECT_EQ(read("shelf/c\xe9/ncc.html.old"), book("vorka:4"));
    EXPECT_FALSE(exists("elsewhere/ncc.html.old"));
    EXPECT_FALSE(exists("shelf/a/NCC.HTML.old"));
}

TEST_F(Cli, ABookOnAWebServerIsListedAsOnDiskButNotRepaired) {
    const std::string site = path("site");
    ASSERT_EQ(std::system(("cp -r '" QUORLIN_SAMPLES "/demo-book' '" + site + "'").c_str()), 0);
    WebServer server(site);
    ASSERT_NE(server.port, 0) << "python3 -m http.server did not start";

    const ProgramRun onDisk = run({"-n", site + "/ncc.html"});
    ASSERT_NE(onDisk.out.find("vorka:"), std::string::npos);
    const ProgramRun fetched = run({"-n", server.url("/ncc.html")});
    EXPECT_EQ(fetched.status, onDisk.status);
    EXPECT_EQ(fetched.out, server.url("/ncc.html") + onDisk.out.substr(site.size() + 9));

    // A 404 is reported as a file that cannot be opened, never loaded as the book.
    const ProgramRun missingOnDisk = run({"-n", site + "/missing/ncc.html"});
    const ProgramRun missing = run({"-n", server.url("/missing/ncc.html")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out,
              server.url("/missing/ncc.html") + missingOnDisk.out.substr(site.size() + 17));

    const ProgramRun refused = run({site + "/ncc.html", server.url("/ncc.html")});
    EXPECT_EQ(refused.status, 65);
    EXPECT_NE(refused.out.find("cannot be repaired in place"), std::string::npos);
    EXPECT_FALSE(exists("site/ncc.html.old")); // refused before anything was done
    EXPECT_EQ(run({"--restore", "-n", server.url("/ncc.html")}).status, 65);
}

// No name read from a book is spelt so (Windows hands a program UTF-16).
TEST_F(Cli, APrefixThatIsNotUtf8IsRefused) {
    EXPECT_EQ(run({"--prefix", "\xFF:", path("x")}).status, 64);
}

// A name byte that is not UTF-8 comes out as the escaped lone surrogate that
// stands for it, so a script gets the exact path back.
TEST_F(Cli, JsonKeepsPathsThatAreNotUtf8) {
    makeDirectory("c\xe9");
    write("c\xe9/ncc.html", book("vorka:1"));
    const ProgramRun all = run({"--json", "-n", "-r", root});
    EXPECT_EQ(all.status, 0);
    EXPECT_EQ(all.out, "{\"path\":\"" + root +
                           "/c\\udce9/ncc.html\",\"code\":0,\"message\":\"1 meta "
                           "element to remove\",\"removed\":[\"vorka:1\"],\"restored\":false}\n");
}
