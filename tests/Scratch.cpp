#include "tests/Scratch.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

namespace {

fs::path fsPath(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8Of(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace

void Scratch::SetUp() {
    const fs::path temporary = fs::temp_directory_path();
    std::random_device random;
    for (int attempt = 0; root.empty(); ++attempt) {
        ASSERT_LT(attempt, 100) << "no fresh directory under " << utf8Of(temporary);
        const fs::path candidate = temporary / ("quorlin-test-" + std::to_string(random()));
        std::error_code error;
        if (fs::create_directory(candidate, error)) root = utf8Of(candidate);
    }
}

// Read-only entries are made writable first, so that they go too; links are
// removed as themselves.
void Scratch::TearDown() {
    if (root.empty()) return;
    std::error_code error;
    for (fs::recursive_directory_iterator entry(fsPath(root), error), end; !error && entry != end;
         entry.increment(error)) {
        if (!entry->is_symlink())
            fs::permissions(entry->path(), fs::perms::owner_write, fs::perm_options::add, error);
    }
    fs::remove_all(fsPath(root), error);
}

std::string Scratch::path(const std::string& name) const {
    return utf8Of((fsPath(root) / fsPath(name)).make_preferred());
}

void Scratch::write(const std::string& name, const std::string& bytes) const {
    std::ofstream(fsPath(path(name)), std::ios::binary) << bytes;
}

std::string Scratch::read(const std::string& name) const {
    std::ifstream in(fsPath(path(name)), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool Scratch::exists(const std::string& name) const {
    std::error_code error;
    return fs::exists(fs::symlink_status(fsPath(path(name)), error));
}

void Scratch::makeDirectory(const std::string& name) const {
    std::error_code error;
    ASSERT_TRUE(fs::create_directory(fsPath(path(name)), error)) << name << ": " << error.message();
}

void Scratch::makeReadOnly(const std::string& name) const {
    const fs::perms write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(fsPath(path(name)), write, fs::perm_options::remove);
}
