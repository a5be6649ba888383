// The file system of Windows as the library sees it: the read-only attribute,
// junctions, and UTF-16 names outside the ANSI code page.
#include "file/FileSystem.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "file/DirectoryListing.h"
#include "tests/Scratch.h"
#include "tests/win32/DirectoryLink.h"

using namespace ZUM;

namespace {

Utf16String wide(const std::string& utf8) {
    return FileSystem::widePath(utf8.data(), static_cast<u32>(utf8.size()));
}

std::string narrow(const Utf16String& path) {
    Utf8String bytes;
    FileSystem::nativePath(path, bytes);
    return std::string(bytes.data(), bytes.length());
}

std::wstring wideString(const std::string& utf8) {
    const Utf16String units = wide(utf8);
    return std::wstring(reinterpret_cast<const wchar_t*>(units.data()), units.length());
}

bool setReadOnly(const std::string& path, bool readOnly) {
    return ::SetFileAttributesW(wideString(path).c_str(),
                                readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
}

// The entries of a directory but "." and "..", by kind.
struct Entries {
    std::set<std::string> files, directories; // as narrow names
};

Entries listing(const std::string& directory) {
    Entries entries;
    DirectoryListing list;
    EXPECT_TRUE(list.open(wide(directory)));
    Utf16String name;
    bool isDirectory = false;
    while (list.next(name, isDirectory)) {
        if (name != Utf16String(u".") && name != Utf16String(u".."))
            (isDirectory ? entries.directories : entries.files).insert(narrow(name));
    }
    return entries;
}

using FileSystemTest = Scratch;

} // namespace

TEST_F(FileSystemTest, TheReadOnlyAttributeIsReadAndRespected) {
    write("locked", "x");
    ASSERT_TRUE(setReadOnly(path("locked"), true));
    const FileSystem::Attributes locked = FileSystem::attributesOf(wide(path("locked")));
    EXPECT_TRUE(locked.exists);
    EXPECT_TRUE(locked.readOnly);
    EXPECT_EQ(locked.size, 1u);
    EXPECT_FALSE(FileSystem::deleteFile(wide(path("locked"))));
    EXPECT_TRUE(exists("locked"));
    ASSERT_TRUE(setReadOnly(path("locked"), false));
    EXPECT_TRUE(FileSystem::deleteFile(wide(path("locked"))));
    EXPECT_FALSE(exists("locked"));

    makeDirectory("dir");
    write("dir/inside", "x");
    EXPECT_FALSE(FileSystem::deleteFile(wide(path("dir"))));
    EXPECT_FALSE(FileSystem::removeDirectory(wide(path("dir")))); // not empty
    EXPECT_TRUE(FileSystem::deleteFile(wide(path("dir/inside"))));
    // Windows keeps the attribute on a directory; wine 8 drops it.
    setReadOnly(path("dir"), true);
    if (FileSystem::attributesOf(wide(path("dir"))).readOnly) {
        EXPECT_FALSE(FileSystem::removeDirectory(wide(path("dir"))));
        ASSERT_TRUE(setReadOnly(path("dir"), false));
    }
    EXPECT_TRUE(FileSystem::removeDirectory(wide(path("dir"))));
    EXPECT_EQ(FileSystem::open(wide(path("missing")), "rb"), nullptr);
    EXPECT_FALSE(FileSystem::attributesOf(Utf16String()).exists);
}

// A junction is a plain entry: listed as a file, deleted as itself where the
// system can, and never a way into its target.
TEST_F(FileSystemTest, JunctionsArePlainEntries) {
    makeDirectory("target");
    write("target/keep", "precious");
    const DirectoryLink link(path("link"), path("target"));
    ASSERT_TRUE(link.made());

    const FileSystem::Attributes attributes = FileSystem::attributesOf(wide(path("link")));
    EXPECT_TRUE(attributes.exists);
    EXPECT_FALSE(attributes.directory);
    EXPECT_EQ(FileSystem::open(wide(path("link")), "rb"), nullptr);
    const Entries entries = listing(root);
    EXPECT_EQ(entries.files, std::set<std::string>{"link"});
    EXPECT_EQ(entries.directories, std::set<std::string>{"target"});

    EXPECT_EQ(FileSystem::deleteFile(wide(path("link"))), link.removableAsItself());
    EXPECT_NE(exists("link"), link.removableAsItself());
    EXPECT_EQ(read("target/keep"), "precious");
}

// The ANSI code page of a Western Windows (1252) has no Japanese; the wide
// calls carry the names whole, and a listing gives back the same units.
TEST_F(FileSystemTest, NamesOutsideTheAnsiCodePage) {
    const std::string name = "教科書 ncc.html";
    ASSERT_NE(::GetACP(), 932u) << "the test wants a code page without Japanese";
    std::FILE* file = FileSystem::open(wide(path(name)), "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("content", file);
    std::fclose(file);
    EXPECT_EQ(read(name), "content");
    EXPECT_EQ(FileSystem::attributesOf(wide(path(name))).size, 7u);

    EXPECT_TRUE(FileSystem::rename(wide(path(name)), wide(path(name + ".old"))));
    EXPECT_EQ(listing(root).files, std::set<std::string>{name + ".old"});
    EXPECT_EQ(narrow(wide(name)), name);
    EXPECT_TRUE(FileSystem::deleteFile(wide(path(name + ".old"))));
}

// A lone surrogate is a legal unit of a Windows name; its narrow form
// (generalised UTF-8) leads back to it. A file system that refuses the name
// must refuse it, never write a file of another name in its place.
TEST_F(FileSystemTest, LoneSurrogateNamesKeepTheirUnits) {
    const std::string bytes = "a\xED\xA0\x80z";
    const Utf16String units(u"a\xD800z");
    EXPECT_EQ(wide(bytes), units);
    EXPECT_EQ(narrow(units), bytes);

    Utf16String full = wide(root + "\\");
    full.append(units);
    std::FILE* file = FileSystem::open(full, "wb");
    const Entries entries = listing(root);
    if (file) {
        std::fclose(file);
        EXPECT_EQ(entries.files, std::set<std::string>{bytes});
        EXPECT_TRUE(FileSystem::deleteFile(full));
    } else {
        EXPECT_TRUE(entries.files.empty()); // wine 8 cannot spell it on Unix
    }
}
