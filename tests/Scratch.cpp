#include "tests/Scratch.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

void Scratch::SetUp() {
    char pattern[] = "/tmp/quorlin-test-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    root = pattern;
}

void Scratch::TearDown() {
    std::system(("chmod -R u+w '" + root + "' 2>/dev/null; rm -rf '" + root + "'").c_str());
}

void Scratch::write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path(name), std::ios::binary) << bytes;
}

std::string Scratch::read(const std::string& name) const {
    std::ifstream in(path(name), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool Scratch::exists(const std::string& name) const {
    struct stat info;
    return ::lstat(path(name).c_str(), &info) == 0;
}

void Scratch::makeDirectory(const std::string& name) const {
    ASSERT_EQ(::mkdir(path(name).c_str(), 0755), 0);
}

void Scratch::makeReadOnly(const std::string& name) const {
    ::chmod(path(name).c_str(), 0444);
}
