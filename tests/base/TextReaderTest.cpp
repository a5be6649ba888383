#include "base/TextReader.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/LinkList.h"
#include "base/StringIFlow.h"
#include "tests/IOExpect.h"

using namespace ZUM;

namespace {

// A reader over 8-bit text, with results read back as std::string.
class Reader {
public:
    explicit Reader(const std::string& text)
        : source(text), flow(source.data(), static_cast<u32>(source.size())), reader(&flow) {}

    static std::string take(TString<char>* text) {
        std::unique_ptr<TString<char>> owned(text);
        return owned ? std::string(owned->data(), owned->length()) : "<null>";
    }
    std::string rest() { return take(reader.readAll()); }

    std::string source;
    StringIFlow<char> flow;
    TextReader<char> reader;
};

} // namespace

TEST(TextReader, ReadLineKeepsLineFeedsAndCountsLines) {
    Reader r("ab\ncd\nlast");
    EXPECT_EQ(Reader::take(r.reader.readLine()), "ab\n");
    EXPECT_EQ(Reader::take(r.reader.readLine()), "cd\n");
    EXPECT_EQ(r.reader.line(), 2);
    r.reader.putBack('\n');
    EXPECT_EQ(r.reader.line(), 1);
    EXPECT_EQ(r.reader.readUnit(), '\n');
    EXPECT_EQ(Reader::take(r.reader.readLine()), "last");
    EXPECT_EQ(Reader::take(r.reader.readLine()), "<null>");
}

TEST(TextReader, ReadUntilDoesNotRetryTheBreakingUnit) {
    Reader run("abxxxc");
    EXPECT_EQ(Reader::take(run.reader.readUntil("xx")), "ab");
    EXPECT_EQ(run.rest(), "xc");

    Reader crlf("a\r\r\nb\r\n");
    EXPECT_EQ(Reader::take(crlf.reader.readUntil("\r\n")), "a\r\r\nb");

    Reader missing("no delimiter");
    EXPECT_IO_ERROR(missing.reader.readUntil(";"), IOException::EndOfInput, "base/StringIFlow");
    EXPECT_IO_ERROR(missing.reader.readUntil(""), IOException::EmptyDelimiter, "base/TextReader");

    Reader unit("key=value");
    EXPECT_EQ(Reader::take(unit.reader.readUntilUnit('=')), "key");
    EXPECT_EQ(unit.rest(), "value");
}

TEST(TextReader, ReadUntilOneOfTakesTheFirstToComplete) {
    Reader r("a<b>c</d>");
    const char* const tags[] = {"</", ">", nullptr};
    EXPECT_EQ(Reader::take(r.reader.readUntilOneOf(tags)), "a<b");
    LinkList<TString<char>> list;
    Utf8String close("</"), end("d>");
    list.append(&close);
    list.append(&end);
    EXPECT_EQ(Reader::take(r.reader.readUntilOneOf(list)), "c");
    const char* const none[] = {nullptr};
    EXPECT_IO_ERROR(r.reader.readUntilOneOf(none), IOException::EmptyDelimiter, "base/TextReader");
}

TEST(TextReader, SkipsLeaveTheInputAsBeforeWhenTheyFail) {
    Reader r("abd");
    EXPECT_FALSE(r.reader.skipLiteral("abc"));
    EXPECT_FALSE(r.reader.skipLiteral(""));
    EXPECT_TRUE(r.reader.skipLiteral("ab"));
    EXPECT_FALSE(r.reader.skipUnit('x'));
    EXPECT_TRUE(r.reader.skipUnit('d'));

    Reader any("<!DOCTYPE x>");
    const char* const literals[] = {"<?", "<!", "<!--", nullptr};
    EXPECT_EQ(any.reader.skipAny(literals), 2);
    const char* const none[] = {"DOCTYPEX", "DOCK", nullptr};
    EXPECT_EQ(any.reader.skipAny(none), 0);
    EXPECT_EQ(any.rest(), "DOCTYPE x>");

    Reader shortInput("ab");
    EXPECT_FALSE(shortInput.reader.skipLiteral("abc")); // the end counts as a mismatch
    EXPECT_EQ(shortInput.rest(), "ab");
}

TEST(TextReader, RunsAndSets) {
    Reader r("   \t x1 ");
    EXPECT_EQ(Reader::take(r.reader.readRun(' ')), "   ");
    EXPECT_EQ(Reader::take(r.reader.readWhileIn(" \t")), "\t ");
    EXPECT_EQ(Reader::take(r.reader.readWhileIn("0123456789")), "");
    EXPECT_EQ(r.reader.readUnit(), 'x');
    EXPECT_EQ(Reader::take(r.reader.readWhileIn("0123456789 ")), "1 "); // the end is quiet
}

TEST(TextReader, ReadsAcrossBlocksAndResets) {
    std::string big(3 * TextReader<char>::BlockSize + 5, 'a');
    big[TextReader<char>::BlockSize] = '\n';
    Reader r(big);
    EXPECT_EQ(r.rest().size(), big.size());
    EXPECT_EQ(r.reader.line(), 1);
    EXPECT_TRUE(r.reader.reset());
    EXPECT_EQ(r.reader.line(), 0);
    char buffer[4];
    u32 got = 0;
    r.reader.readUnits(4, buffer, got);
    EXPECT_EQ(got, 4u);

    Reader tiny("xy");
    EXPECT_IO_ERROR(tiny.reader.readUnits(4, buffer, got), IOException::EndOfInput,
                    "base/StringIFlow");
    EXPECT_EQ(got, 2u);
}

TEST(TextReader, NoSource) {
    TextReader<u16> reader;
    EXPECT_IO_ERROR(reader.readUnit(), IOException::NoSource, "base/TextReader");
    EXPECT_IO_ERROR(reader.putBack(1), IOException::NoSource, "base/TextReader");
}
