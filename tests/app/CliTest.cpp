#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

TEST_F(Cli, ABookOnAWebServerIsListedAsOnDiskButNotRepaired) {
    const std::string site = path("site");
    ASSERT_EQ(std::system(("cp -r '" QUORLIN_SAMPLES "/demo-book' '" + site + "'").c_str()), 0);
    WebServer server(site);
    ASSERT_NE(server.port, 0) << "python3 -m http.server did not start";

    const Outcome onDisk = cli("-n " + site + "/ncc.html");
    ASSERT_NE(onDisk.out.find("vorka:"), std::string::npos);
    const Outcome fetched = cli("-n " + server.url("/ncc.html"));
    EXPECT_EQ(fetched.status, onDisk.status);
    EXPECT_EQ(fetched.out, server.url("/ncc.html") + onDisk.out.substr(site.size() + 9));

    // A 404 is reported as a file that cannot be opened, never loaded as the book.
    const Outcome missingOnDisk = cli("-n " + site + "/missing/ncc.html");
    const Outcome missing = cli("-n " + server.url("/missing/ncc.html"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out,
              server.url("/missing/ncc.html") + missingOnDisk.out.substr(site.size() + 17));

    const Outcome refused = cli(site + "/ncc.html " + server.url("/ncc.html"));
    EXPECT_EQ(refused.status, 65);
    EXPECT_NE(refused.out.find("cannot be repaired in place"), std::string::npos);
    EXPECT_FALSE(exists("site/ncc.html.old")); // refused before anything was done
}
