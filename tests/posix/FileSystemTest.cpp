#include "file/FileSystem.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "encoding/EncodingRegistry.h"
#include "file/DirectoryListing.h"
#include "tests/ReaderText.h"
#include "tests/Scratch.h"

using namespace ZUM;

namespace {

std::string narrow(const Utf16String& path) {
    Utf8String bytes;
    convertFromUtf16String(Utf16N, Utf8N, &path, bytes);
    return std::string(bytes.data(), bytes.length());
}

using FileSystemTest = Scratch;

} // namespace

TEST_F(FileSystemTest, AttributesNeverFollowLinks) {
    write("file", "x");
    makeDirectory("dir");
    ASSERT_EQ(::symlink(path("dir").c_str(), path("link").c_str()), 0);
    ::chmod(path("file").c_str(), 0444);

    auto file = FileSystem::attributesOf(wide(path("file")));
    EXPECT_TRUE(file.exists);
    EXPECT_FALSE(file.directory);
    EXPECT_TRUE(file.readOnly);
    EXPECT_EQ(file.size, 1u);
    EXPECT_TRUE(FileSystem::attributesOf(wide(path("dir"))).directory);
    auto link = FileSystem::attributesOf(wide(path("link")));
    EXPECT_TRUE(link.exists);
    EXPECT_FALSE(link.directory);
    EXPECT_FALSE(FileSystem::attributesOf(wide(path("missing"))).exists);
    EXPECT_FALSE(FileSystem::attributesOf(Utf16String()).exists);
}

TEST_F(FileSystemTest, DeletionRefusesReadOnlyEntriesAndRemovesLinksAsThemselves) {
    write("locked", "x");
    ::chmod(path("locked").c_str(), 0444);
    EXPECT_FALSE(FileSystem::deleteFile(wide(path("locked"))));
    EXPECT_EQ(::access(path("locked").c_str(), F_OK), 0);

    makeDirectory("dir");
    write("dir/inside", "x");
    ASSERT_EQ(::symlink(path("dir").c_str(), path("link").c_str()), 0);
    EXPECT_FALSE(FileSystem::deleteFile(wide(path("dir"))));
    EXPECT_TRUE(FileSystem::deleteFile(wide(path("link"))));
    EXPECT_EQ(::access(path("dir/inside").c_str(), F_OK), 0);

    EXPECT_FALSE(FileSystem::removeDirectory(wide(path("dir")))); // not empty
    EXPECT_TRUE(FileSystem::deleteFile(wide(path("dir/inside"))));
    ::chmod(path("dir").c_str(), 0555);
    EXPECT_FALSE(FileSystem::removeDirectory(wide(path("dir"))));
    ::chmod(path("dir").c_str(), 0755);
    EXPECT_TRUE(FileSystem::removeDirectory(wide(path("dir"))));
}

// Names on disk need not be UTF-8; each must lead back to its own bytes, never
// to the name that lacks the odd ones (the recursive command-line test finds
// and repairs two such books side by side).
TEST_F(FileSystemTest, NamesThatAreNotUtf8LeadBackToThemselves) {
    for (const std::string bytes :
         {"caf\xe9", "\xff\xfe", "\xc0\x80", "\xed\xa0\x80", "\xf4\x90\x80\x80", "\xe6\x95",
          "a\x80"
          "b",
          "\xe6\x95\x99", "\xf0\x9f\x98\x80\xf0\x9f"}) {
        SCOPED_TRACE(bytes);
        const PathString path = FileSystem::widePath(bytes.data(), static_cast<u32>(bytes.size()));
        Utf8String back;
        ASSERT_TRUE(FileSystem::nativePath(path, back));
        EXPECT_EQ(std::string(back.data(), back.length()), bytes);
    }
    EXPECT_EQ(narrow(FileSystem::widePath("\xe6\x95\x99", 3)), "\xe6\x95\x99"); // text stays text
    Utf8String bytes;
    EXPECT_FALSE(FileSystem::nativePath(Utf16String(u"a\xD800"), bytes));
}

TEST_F(FileSystemTest, ListingReportsEveryEntryAndLinksAsPlainEntries) {
    write("a", "x");
    makeDirectory("sub");
    ASSERT_EQ(::symlink("/", path("up").c_str()), 0);
    DirectoryListing listing;
    ASSERT_TRUE(listing.open(wide(root)));
    std::set<std::string> files, directories;
    Utf16String name;
    bool isDirectory = false;
    while (listing.next(name, isDirectory))
        (isDirectory ? directories : files).insert(narrow(name));
    EXPECT_EQ(files, (std::set<std::string>{"a", "up"}));
    EXPECT_EQ(directories, (std::set<std::string>{".", "..", "sub"}));
    EXPECT_FALSE(listing.open(wide(path("a"))));
}
