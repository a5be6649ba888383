#include "base/Formatter.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>

#include "base/Exception.h"
#include "base/FlowsModule.h"
#include "base/Library.h"
#include "base/StringOFlow.h"
#include "base/TextWriter.h"
#include "tests/IOExpect.h"

using namespace ZUM;

namespace {

// A formatter over 8-bit units whose output is read back as std::string.
class Fmt : public Formatter<char> {
public:
    template <class... T>
    Fmt& ints(T... values) {
        (addInt(values), ...);
        return *this;
    }
    template <class... T>
    Fmt& uns(T... values) {
        (addUnsigned(values), ...);
        return *this;
    }
    Fmt& pattern(const char* text) {
        setPattern(Utf8String(text));
        return *this;
    }
    std::string run(bool reset = true) {
        std::unique_ptr<TString<char>> text(format(reset));
        return std::string(text->data(), text->length());
    }
    int fmtCode() {
        try {
            run();
        } catch (const FmtException& e) {
            EXPECT_STREQ(e.file, "base/Formatter");
            return e.code;
        }
        return -1;
    }
};

} // namespace

TEST(Formatter, WidthFlagsAndPrecisionOfIntegers) {
    Fmt f;
    EXPECT_EQ(f.ints(42, 42, -42, 0, 7).pattern("[%5d][%-5d][%05d][%3.0d][%+.3d]").run(),
              "[   42][42   ][-0042][   ][+007]");
    EXPECT_EQ(f.ints(5, -5).pattern("[% d][% d]").run(), "[ 5][-5]");
    EXPECT_EQ(f.uns(255, 0, 255, 8, 4000000000u).pattern("%#x %#x %X %#o %u").run(),
              "0xff 0 FF 010 4000000000");
    // Flags are taken only in the order - + space 0 #.
    EXPECT_EQ(f.uns(10, 10).pattern("[%0#6x][%#06x]").run(), "[0x000a][   0xa]");
    // long is 64 bits on Linux and 32 on Windows: each platform's extremes.
    f.addLong(std::numeric_limits<long>::min());
    f.addUnsignedLong(std::numeric_limits<unsigned long>::max());
    EXPECT_EQ(f.pattern("%ld %lu").run(),
              std::to_string(std::numeric_limits<long>::min()) + " " +
                  std::to_string(std::numeric_limits<unsigned long>::max()));
}

TEST(Formatter, StringsCharactersPointersAndCounts) {
    Fmt f;
    Utf8String six("abcdef");
    f.addString(&six);
    f.addTerminated("xy");
    f.addTerminated("z");
    EXPECT_EQ(f.pattern("%.3s|%-4s|%03s").run(), "abc|xy  |00z");
    f.addSmall(FmtArg<char>::SignedChar, 'a');
    f.addInt('b');
    f.addSmall(FmtArg<char>::UnsignedShort, 0x163); // cut to the low 8 bits
    EXPECT_EQ(f.pattern("%c%3c%c").run(), "a  bc");
    EXPECT_EQ(f.ints('q').pattern("%03c").run(), "00q");
    f.addPointer(reinterpret_cast<void*>(0xbeef));
    EXPECT_EQ(f.pattern("%p %%").run(), "0xbeef %");
    int count = -1;
    f.addInt(123);
    f.addIntPointer(&count);
    EXPECT_EQ(f.pattern("ab%dc%n").run(), "ab123c");
    EXPECT_EQ(count, 6);
}

TEST(Formatter, FloatingConversionsNeverOverflow) {
    Fmt f;
    f.addDouble(3.14159);
    f.addFloat(2.5f);
    f.addDouble(1e300);
    EXPECT_EQ(f.pattern("%.2f %g %.0e").run(), "3.14 2.5 1e+300");
    f.addDouble(1e300);
    EXPECT_EQ(f.pattern("%f").run().size(), 301u + 7u); // 301 digits, a point and six decimals
    f.addDouble(1.0);
    EXPECT_EQ(f.pattern("%400.1f").run().size(), 400u);
}

TEST(Formatter, PositionsAndStarArguments) {
    Fmt f;
    // Explicit positions do not move the running counter.
    EXPECT_EQ(f.ints(1, 2, 3).pattern("%{2}d %{1} d %d").run(), "2  1 3");
    EXPECT_EQ(f.ints(6, 42, 2, 9).pattern("[%*d][%%][%d]").run(), "[    42][%][2]");
    f.addInt(3);
    f.addTerminated("abcdef");
    EXPECT_EQ(f.pattern("%.*s").run(), "abc");
}

TEST(Formatter, ErrorCodesPatternEndAndReset) {
    Fmt f;
    EXPECT_EQ(f.pattern("%d").fmtCode(), FmtException::MissingArgument);
    f.addDouble(1.0);
    EXPECT_EQ(f.ints(1).pattern("%*d").fmtCode(), FmtException::KindMismatch);
    f.addDouble(1.0);
    EXPECT_EQ(f.pattern("%d").fmtCode(), FmtException::KindMismatch);
    // Flags out of order are an unknown conversion.
    EXPECT_EQ(f.ints(1).pattern("%+-d").fmtCode(), FmtException::UnknownConversion);
    EXPECT_EQ(f.ints(1).pattern("%q").fmtCode(), FmtException::UnknownConversion);
    f.ints(1).setPattern(Utf8String("%\xe9"));
    EXPECT_EQ(f.fmtCode(), FmtException::UnknownConversion);
    EXPECT_EQ(f.pattern("%{3}d").fmtCode(), FmtException::MissingArgument);

    EXPECT_EQ(f.ints(5).pattern("abc%").run(false), "abc");
    EXPECT_EQ(f.pattern("x%-08").run(false), "x");
    EXPECT_EQ(f.pattern("%d").run(true), "5");
    EXPECT_EQ(f.run(), ""); // reset emptied the pattern and deleted the argument
    EXPECT_EQ(f.pattern("%d").fmtCode(), FmtException::MissingArgument);
}

TEST(Formatter, WideUnitsAndThePresetRequestLine) {
    Formatter<char> request("GET %s HTTP/1.1\r\n");
    request.addTerminated("/ncc.html");
    std::unique_ptr<TString<char>> line(request.format(true));
    EXPECT_TRUE(*line == "GET /ncc.html HTTP/1.1\r\n");

    Formatter<u32> wide;
    const u32 pattern[] = {'<', '%', 'c', '%', '5', 'x', '>', 0};
    wide.setPattern(TString<u32>(pattern));
    wide.addUnsigned(0x1F600);
    wide.addUnsigned(0xabc);
    std::unique_ptr<TString<u32>> text(wide.format(true));
    const u32 expected[] = {'<', 0x1F600, ' ', ' ', 'a', 'b', 'c', '>', 0};
    EXPECT_TRUE(*text == expected);
}

TEST(TextWriter, WritesAndPrintsThroughItsDestination) {
    Utf8String out;
    StringOFlow<char> flow(&out);
    TextWriter<char> writer(&flow);
    EXPECT_EQ(writer.write("ab"), 2u);
    EXPECT_EQ(writer.print("[%5.2f|%-3d|%s|%x]", 3.14159, 7, "str", 255u), 18);
    EXPECT_EQ(writer.print("%{2}s-%{1}s", "one", "two"), 7);
    EXPECT_EQ(writer.print("%ld", 5L), 0); // an unknown conversion writes nothing
    EXPECT_EQ(writer.print("%d", 6), 1);   // and leaves no argument behind
    EXPECT_TRUE(out == "ab[ 3.14|7  |str|ff]two-one6");

    TextWriter<u16> detached;
    const u16 text[] = {'a', 0};
    EXPECT_IO_ERROR(detached.write(text), IOException::NoDestination, "base/OFilter");
}

TEST(TStringFormat, ReplacesTheContentsInEveryWidth) {
    Utf8String s("old text");
    EXPECT_EQ(s.format("%s=%03d", "n", 7), 5);
    EXPECT_TRUE(s == "n=007");
    Utf8String pattern("%s!");
    s.formatString(&pattern, "again");
    EXPECT_TRUE(s == "again!");
    s.formatString(&s, "self"); // the pattern may be the string itself
    EXPECT_TRUE(s == "again!");

    Utf16String wide;
    const u16 units[] = {'<', '%', 'u', '>', 'x', 'y'};
    EXPECT_EQ(wide.formatCount(4, units, 42u), 4);
    EXPECT_TRUE(wide == Utf16String(u"<42>"));
}

TEST(FlowsModule, SharedWritersExistWhileTheLibraryRuns) {
    ASSERT_TRUE(startLibrary());
    ASSERT_NE(sharedNullOFlow(), nullptr);
    EXPECT_EQ(sharedTextWriter16()->unitWidths(), Width16);
    EXPECT_EQ(sharedTextWriter32()->unitWidths(), Width32);
    EXPECT_EQ(sharedTextWriter8()->print("%d", 12345), 5);
    ASSERT_TRUE(stopLibrary());
    EXPECT_EQ(sharedNullOFlow(), nullptr);
    EXPECT_EQ(sharedTextWriter16(), nullptr);
}
