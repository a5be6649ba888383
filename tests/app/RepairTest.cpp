#include <gtest/gtest.h>

#include <string>

#include "app/CharsetLabels.h"
#include "app/RepairStages.h"
#include "tests/app/RepairSupport.h"

using namespace ZUM;

using namespace repair;

TEST_F(Repair, RemovesPrefixedMetaChildrenOfHeadOnly) {
    write("ncc.html",
          book("<meta name=\"vorka:\"/><meta name=\"vorka:a\"/><meta name=\"dc:title\"/>"
               "<meta name=\"Vorka:b\"/><meta name=\"vorka\"/><meta name=\" vorka:c\"/>"
               "<meta content=\"x\"/><meta name=\"vorka:d\"><meta name=\"vorka:e\"/></meta>"
               "<div><meta name=\"vorka:f\"/></div>",
               "<meta name=\"vorka:g\"/>"));
    EXPECT_EQ(repair(), Repaired);
    EXPECT_EQ(removed, (std::vector<std::string>{"vorka:", "vorka:a", "vorka:d"}));
    EXPECT_EQ(repaired(),
              "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<html><head><meta name=\"dc:title\"/>"
              "<meta name=\"Vorka:b\"/><meta name=\"vorka\"/><meta name=\" vorka:c\"/>"
              "<meta content=\"x\"/><div><meta name=\"vorka:f\"/></div></head>"
              "<body><meta name=\"vorka:g\"/></body></html>");
    EXPECT_EQ(read("ncc.html.old"), book("<meta name=\"vorka:\"/><meta name=\"vorka:a\"/>"
                                         "<meta name=\"dc:title\"/><meta name=\"Vorka:b\"/>"
                                         "<meta name=\"vorka\"/><meta name=\" vorka:c\"/>"
                                         "<meta content=\"x\"/><meta name=\"vorka:d\">"
                                         "<meta name=\"vorka:e\"/></meta><div><meta "
                                         "name=\"vorka:f\"/></div>",
                                         "<meta name=\"vorka:g\"/>"));
}

TEST_F(Repair, NothingToRemoveStillRewritesAsUtf8) {
    const std::string original =
        "<?xml version=\"1.0\"?><html><head/><body>&nbsp;&amp;</body></html>";
    write("ncc.html", original);
    EXPECT_EQ(repair(), Repaired);
    EXPECT_EQ(repaired(), "<?xml version=\"1.0\" ?><html><head/><body>&nbsp;&amp;</body></html>");
    EXPECT_EQ(read("ncc.html.old"), original);
}

TEST_F(Repair, LoadFailuresTouchNothing) {
    EXPECT_EQ(RepairJob(PathString()).run(), CannotOpen);
    EXPECT_EQ(repair("missing.html"), CannotOpen);
    makeDirectory("dir.html");
    EXPECT_EQ(repair("dir.html"), CannotOpen);

    const std::string broken = Declaration + "<html><head></html>";
    write("broken.html", broken);
    EXPECT_EQ(repair("broken.html"), NotXml);
    EXPECT_EQ(read("broken.html"), broken);
    EXPECT_FALSE(exists("broken.html.old"));

    // A Latin-1 file that names no encoding is not UTF-8: refused, not garbled.
    write("latin1.html", "<html><head/><body>caf\xE9</body></html>");
    EXPECT_EQ(repair("latin1.html"), NotXml);
    // Bytes the declared encoding leaves undefined are refused too.
    write("greek.html", "<?xml version=\"1.0\" encoding=\"iso-8859-7\"?><html><head/>\xA4</html>");
    EXPECT_EQ(repair("greek.html"), NotXml);
    write("euc.html",
          "<?xml version=\"1.0\" encoding=\"EUC-JP\"?><html><head/>\x8F\xB0\xA1</html>");
    EXPECT_EQ(repair("euc.html"), NotXml);
    // Units that would read as kept entity references are refused, in every
    // place of the eight units the check takes at once.
    for (int lane = 0; lane < 8; ++lane) {
        write("marker.html",
              "<html><head/><body>" + std::string(lane, 'a') + "\x01nbsp\x02b</body></html>");
        EXPECT_EQ(repair("marker.html"), NotXml) << lane;
    }
    // A surrogate without its partner cannot be written as UTF-8; a pair can.
    auto utf16 = [](const std::string& units) {
        return utf16le("<html><head/><body>", units, "</body></html>");
    };
    for (int lane = 0; lane < 8; ++lane) {
        std::string units;
        for (int i = 0; i < lane; ++i) units += std::string("a\0", 2);
        write("lone.html", utf16(units + std::string("\x00\xDCx\0", 4)));
        EXPECT_EQ(repair("lone.html"), NotXml) << lane;
    }
    write("lone.html", utf16(std::string("\x00\xD8x\0", 4)));
    EXPECT_EQ(repair("lone.html"), NotXml);
    write("pair.html", utf16(std::string("\x3D\xD8\x00\xDE", 4)));
    EXPECT_EQ(repair("pair.html"), Repaired);
    EXPECT_EQ(repaired("pair.html"), "<html><head/><body>\xF0\x9F\x98\x80</body></html>");
}

TEST_F(Repair, WithoutHeadUnderTheRootTheFileIsNotAnNcc) {
    write("a.html", Declaration + "<html><body><head/></body></html>");
    EXPECT_EQ(repair("a.html"), NotAnNcc);
    write("b.html", Declaration + "<html><HEAD/></html>");
    EXPECT_EQ(repair("b.html"), NotAnNcc);
    EXPECT_FALSE(exists("b.html.old"));
}

TEST_F(Repair, ShiftJisWithWindowsCharactersIsReadAsCp932) {
    // U+2460 (circled one) exists only in CP932: 87 40.
    write("ncc.html", "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><html><head>"
                      "<meta name=\"vorka:x\"/></head><body>\x82\xA0\x87\x40</body></html>");
    EXPECT_EQ(repair(), Repaired);
    EXPECT_EQ(repaired(), "<?xml version=\"1.0\" encoding=\"UTF-8\" ?><html><head/>"
                          "<body>\xE3\x81\x82\xE2\x91\xA0</body></html>");
    // A byte neither reading maps stays refused.
    write("bad.html", "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><html><head/>\x85\x40</html>");
    EXPECT_EQ(repair("bad.html"), NotXml);
}

TEST_F(Repair, EveryEncodingLoadsToTheSameText) {
    const std::string text =
        "<html><head><meta name=\"vorka:a\"/></head><body>\xE6\xB0\xB4</body></html>";
    const std::string expected = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?><html><head/><body>"
                                 "\xE6\xB0\xB4</body></html>";
    auto declared = [&](const char* name, const std::string& body) {
        return std::string("<?xml version=\"1.0\" encoding=\"") + name + "\"?>" + body;
    };
    const std::string utf16 =
        utf16le(declared("UTF-16", "<html><head><meta name=\"vorka:a\"/></head><body>"),
                std::string("\x34\x6C", 2), "</body></html>"); // 水
    const std::pair<std::string, std::string> inputs[] = {
        {"utf8", declared("utf-8", text)},
        {"utf8-bom", Bom + declared("utf-8", text)},
        {"utf8-plain", text},
        {"utf16", utf16},
        {"sjis", declared("Shift_JIS", "<html><head><meta name=\"vorka:a\"/></head><body>\x90\x85"
                                       "</body></html>")},
        {"euc", declared("EUC-JP", "<html><head><meta name=\"vorka:a\"/></head><body>\xBF\xE5"
                                   "</body></html>")},
        {"jis", declared("ISO-2022-JP", "<html><head><meta name=\"vorka:a\"/></head><body>"
                                        "\x1B$B?e\x1B(B</body></html>")},
    };
    for (const auto& [name, bytes] : inputs) {
        SCOPED_TRACE(name);
        write(name, bytes);
        ASSERT_EQ(repair(name), Repaired);
        std::string out = repaired(name);
        if (name == "utf8-plain")
            EXPECT_EQ(out, expected.substr(expected.find("<html>")));
        else
            EXPECT_EQ(out, expected);
    }
}

TEST_F(Repair, BackupFailuresKeepTheOriginal) {
    const std::string original = book("<meta name=\"vorka:a\"/>");
    write("ncc.html", original);
    write("ncc.html.old", "older");
    makeReadOnly("ncc.html.old");
    EXPECT_EQ(repair(), CannotDeleteBackupFile);
    EXPECT_EQ(read("ncc.html"), original);
    EXPECT_EQ(read("ncc.html.old"), "older");

    write("b.html", original);
    makeDirectory("b.html.old");
    write("b.html.old/a", "1");
    write("b.html.old/z", "2");
    makeReadOnly("b.html.old/z");
    EXPECT_EQ(repair("b.html"), CannotDeleteBackupDirectory);
    EXPECT_EQ(read("b.html"), original);
    EXPECT_TRUE(exists("b.html.old/z"));

    // A backup name longer than the file system allows cannot be renamed to.
    const std::string longName(252, 'n');
    write(longName, original);
    EXPECT_EQ(repair(longName), CannotRename);
    EXPECT_EQ(read(longName), original);
}

// Japanese names too: a Windows build lists them as UTF-16.
TEST_F(Repair, BackupDirectoryIsRemovedWholeBeforeTheRename) {
    const std::string original = bookWithBackupDirectory();
    makeDirectory("ncc.html.old/sub/\u6559\u79D1\u66F8");
    write("ncc.html.old/sub/\u6559\u79D1\u66F8/\u97F3\u58F0.smil", "x");
    write("ncc.html.old/g", "y");
    EXPECT_EQ(repair(), Repaired);
    EXPECT_EQ(read("ncc.html.old"), original);
}

TEST_F(Repair, SaveFailureLeavesTheOriginalAtOld) {
    const std::string original = book("<meta name=\"vorka:a\"/>");
    write("ncc.html", original);
    // The input path is taken by a directory between backup and save.
    RepairJob job(pathOf(path("ncc.html")));
    ASSERT_EQ(loadStage(job), Repaired);
    ASSERT_EQ(stripStage(job), Repaired);
    ASSERT_EQ(backupStage(job), Repaired);
    makeDirectory("ncc.html");
    EXPECT_EQ(saveStage(job), CannotSave);
    EXPECT_EQ(read("ncc.html.old"), original);
}

// A Shift_JIS book that names its encoding in both labels of its head: asked
// to, the repair makes them say utf-8 and writes every other byte as the plain
// repair does, a label outside head included.
TEST_F(Repair, CharsetLabelsSayUtf8OnlyWhenAsked) {
    const std::string original =
        "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\n<html><head>\n"
        "<meta http-equiv=\"Content-type\" content=\"text/html; charset=Shift_JIS\" />\n"
        "<meta name=\"dc:title\" content=\"\x97\x9D\x89\xC8\" />\n<meta name=\"vorka:a\" />\n"
        "<meta name=\"ncc:charset\" content=\"Shift_JIS\" />\n</head>"
        "<body><meta name=\"ncc:charset\" content=\"Shift_JIS\"/>\x90\x85</body></html>";
    write("plain.html", original);
    write("labelled.html", original);
    ASSERT_EQ(repair("plain.html"), Repaired);
    RepairJob job(pathOf(path("labelled.html")));
    job.updateCharset = true;
    ASSERT_EQ(job.run(), Repaired);

    std::string expected = repaired("plain.html");
    for (const auto& [from, to] :
         {std::pair<std::string, std::string>{"\"text/html; charset=Shift_JIS\"",
                                              "\"text/html; charset=utf-8\""},
          {"content=\"Shift_JIS\"", "content=\"utf-8\""}}) { // the first: head's
        const std::size_t at = expected.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        expected.replace(at, from.size(), to);
    }
    EXPECT_EQ(repaired("labelled.html"), expected);
}

TEST(CharsetLabels, OnlyTheCharsetValueChanges) {
    const std::pair<std::string, std::string> cases[] = {
        {"text/html; charset=Shift_JIS", "text/html; charset=utf-8"},
        {"text/html;CHARSET = euc-jp ; level=1", "text/html;CHARSET = utf-8 ; level=1"},
        {"text/html; charset=\"sjis\"; x=y", "text/html; charset=\"utf-8\"; x=y"},
        {"text/html; charset='sjis", "text/html; charset='sjis"}, // unclosed: left alone
        {"text/html; xcharset=sjis", "text/html; xcharset=sjis"},
        {"text/html", "text/html"},
        {"charset=", "charset=utf-8"},
    };
    for (const auto& [content, expected] : cases)
        EXPECT_EQ(CharsetLabels::withUtf8Charset(content), expected) << content;
}

// The texts themselves are checked where the programs show them.
TEST(ResultMessages, EveryCodeHasOne) {
    for (unsigned code = 0; code < ResultCodeCount; ++code)
        EXPECT_GT(resultMessage(static_cast<ResultCode>(code)).length(), 10u);
}
