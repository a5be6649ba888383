#include "xml/XMLParserSrc.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/xml/ParseSupport.h"

using namespace ZUM;
using ParseSupport::utf16;

namespace {

// A stack holding a document and, on top, entity texts pushed in order.
class XMLParserSrcTest : public testing::Test {
protected:
    void document(const char16_t* text) {
        Utf16String copy(text);
        source.pushUnit(new XMLParserSrcUnit(name, copy.data(), copy.length()));
    }
    void entity(Utf16String& text) { source.pushUnit(new XMLParserSrcUnit(name, text)); }

    std::u16string rest() {
        Utf16String out;
        source.readUntilString(reinterpret_cast<const u16*>(u"\xFFFF"), 1, out);
        return utf16(out);
    }

    static const u16* units(const char16_t* text) { return reinterpret_cast<const u16*>(text); }

    Utf16String name{u"ENTITY"};
    XMLParserSrc source;
};

TEST_F(XMLParserSrcTest, LookAheadCrossesFromAnEntityIntoTheTextAfterIt) {
    Utf16String value(u"ab<!");
    document(u"--x");
    entity(value);
    EXPECT_EQ(source.remaining(), 7u);
    EXPECT_TRUE(source.peekMatch(u"ab<!--x"));
    EXPECT_FALSE(source.peekMatch(u"ab<!--xy"));
    EXPECT_FALSE(source.peekMatch(u"ab<!-x"));
    EXPECT_TRUE(source.skip(2));
    EXPECT_TRUE(source.matchAndSkip(u"<!--"));
    EXPECT_EQ(source.count(), 1); // the entity's unit is used up and gone
    EXPECT_EQ(source.peek(), u'x');
    EXPECT_FALSE(source.skip(2));
    EXPECT_TRUE(source.atEnd());
    EXPECT_EQ(source.topUnit(), nullptr);
}

TEST_F(XMLParserSrcTest, AnEmptyUnitIsPoppedByTheNextConsumingStep) {
    Utf16String empty;
    document(u"ab");
    entity(empty);
    EXPECT_EQ(source.peek(), u'a');
    EXPECT_EQ(source.count(), 2);
    EXPECT_TRUE(source.skip(1));
    EXPECT_EQ(source.count(), 1);
    EXPECT_EQ(rest(), u"b");
}

TEST_F(XMLParserSrcTest, RunsStopAtTheSetAndAtEndOfInput) {
    Utf16String value(u"text ");
    document(u"more&amp;<");
    entity(value);
    Utf16String run(u">");
    EXPECT_TRUE(source.readUntilAny(units(u"<&"), 2, run));
    EXPECT_EQ(utf16(run), u">text more");
    EXPECT_EQ(source.count(), 1);
    EXPECT_FALSE(source.readUntilAny(units(u"<&"), 2, run)); // "&" is next
    EXPECT_TRUE(source.skip(1));
    EXPECT_TRUE(source.readUntilAny(units(u"<&"), 2, run));
    EXPECT_TRUE(source.skip(1));
    EXPECT_TRUE(source.atEnd());
    EXPECT_FALSE(source.readUntilAny(units(u"<&"), 2, run));
    EXPECT_EQ(utf16(run), u">text moreamp;");
}

// Runs are scanned several units at a time: a stop at every offset, and
// units that share a byte with a stop without being one.
TEST(XMLParserSrcRuns, StopAtEveryOffsetOfALongRun) {
    for (const char16_t stop : {u'<', u'&', u'"'}) {
        for (std::size_t before = 0; before < 40; ++before) {
            std::u16string text = std::u16string(before, u'\u3C26') + stop + u"tail";
            XMLParserSrc source;
            Utf16String copy(text.c_str());
            source.pushUnit(new XMLParserSrcUnit(Utf16String(u"doc"), copy.data(), copy.length()));
            Utf16String run;
            EXPECT_EQ(source.readUntilAny(reinterpret_cast<const u16*>(u"&\"<"), 3, run),
                      before > 0);
            EXPECT_EQ(utf16(run), text.substr(0, before));
            EXPECT_EQ(source.peek(), stop);
        }
    }
}

TEST_F(XMLParserSrcTest, TerminatorMayStraddleUnits) {
    Utf16String value(u"a comment -");
    document(u"->rest");
    entity(value);
    Utf16String text;
    source.readUntilString(units(u"-->"), 3, text);
    EXPECT_EQ(utf16(text), u"a comment ");
    EXPECT_TRUE(source.matchAndSkip(u"-->"));
    EXPECT_EQ(rest(), u"rest");
    Utf16String none;
    source.readUntilString(units(u"-->"), 3, none);
    EXPECT_EQ(none.length(), 0u);
}

TEST_F(XMLParserSrcTest, NamesAndSpaceRunsAreReadAcrossUnits) {
    Utf16String value(u"xhtml:h");
    document(u"1-\u0660.\u00B7 \t\r\n x");
    entity(value);
    Utf16String name;
    EXPECT_TRUE(source.readWhileClass(0xC3, name));
    EXPECT_EQ(utf16(name), u"xhtml:h");
    EXPECT_TRUE(source.readWhileClass(0xBF, name));
    EXPECT_EQ(utf16(name), u"xhtml:h1-\u0660.\u00B7");
    Utf16String run;
    EXPECT_TRUE(source.skipSpace(&run));
    EXPECT_EQ(utf16(run), u" \t\r\n ");
    EXPECT_FALSE(source.skipSpace());
    EXPECT_FALSE(source.readWhileClass(0x08, run));
    EXPECT_EQ(rest(), u"x");
}

TEST_F(XMLParserSrcTest, DeletingTheStackDeletesOnlyOwnedTexts) {
    auto* stack = new XMLParserSrc;
    Utf16String borrowed(u"entity");
    Utf16String document(u"document");
    stack->pushUnit(new XMLParserSrcUnit(name, document.data(), document.length()));
    stack->pushUnit(new XMLParserSrcUnit(name, borrowed));
    EXPECT_TRUE(stack->topUnit()->text == &borrowed);
    EXPECT_NE(stack->topUnit()->getNext()->text->data(), document.data()); // a copy
    delete stack; // LeakSanitizer sees the owned copy freed; the borrowed one lives on
    EXPECT_EQ(borrowed.length(), 6u);
    EXPECT_EQ(borrowed[0], u'e');
}

} // namespace

// A document read far past the pages it gives back as it goes still comes
// through whole, and so does a long entity text it borrows, which it must
// never give back.
TEST_F(XMLParserSrcTest, LongTextsComeThroughWholeWhileReadPagesAreGivenBack) {
    std::u16string text;
    for (int i = 0; text.size() < (3u << 20); ++i)
        text +=
            u"<e a=\"" + std::u16string(1 + i % 7, char16_t(u'A' + i % 26)) + u"\">水と氷</e>\n";
    Utf16String big(reinterpret_cast<const u16*>(text.data()), 2u << 20);
    const Utf16String original(big);
    document(text.c_str());
    const u16 stop[] = {u'<'};
    std::u16string read;
    std::size_t split = 0;
    while (!source.atEnd()) {
        Utf16String run;
        if (source.readUntilAny(stop, 1, run)) {
            read += utf16(run);
        } else {
            source.skip(1);
            read += u'<';
        }
        if (!split && read.size() > text.size() / 2) {
            split = read.size();
            entity(big);
        }
    }
    const std::u16string expected = text.substr(0, split) + utf16(big) + text.substr(split);
    EXPECT_TRUE(read == expected) << "the text read differs from the text given";
    EXPECT_TRUE(big == original);
}
