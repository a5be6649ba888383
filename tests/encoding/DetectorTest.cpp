#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/FixedMemIFlow.h"
#include "base/StringIFlow.h"
#include "encoding/DetectorRegistry.h"
#include "encoding/HtmlDetector.h"
#include "encoding/XmlDetector.h"

using namespace ZUM;

namespace {

// A detector of the given id over bytes.
struct Detect {
    int id;
    int operator()(const std::string& bytes) const {
        std::unique_ptr<Detector> detector(createDetector(id));
        FixedMemIFlow input(bytes.data(), static_cast<u32>(bytes.size()));
        return detector->detect(&input);
    }
};
const Detect xml{XmlDetectorId}, html{HtmlDetectorId}, ja{JaDetectorId};

// The bytes of an ASCII text in UTF-16 big-endian, without a mark.
std::string utf16be(const std::string& text) {
    std::string out;
    for (char c : text) out += std::string(1, '\0') + c;
    return out;
}

} // namespace

TEST(XmlDetector, MarksAndFirstCharactersDecideTheUnicodeForms) {
    EXPECT_EQ(xml(std::string("\0\0\xFE\xFF", 4)), 5);
    EXPECT_EQ(xml(std::string("<\0\0\0", 4)), 4);
    EXPECT_EQ(xml("\xEF\xBB\xBF<?xml version='1.0' encoding='Shift_JIS'?>"), 7);
    EXPECT_EQ(xml(std::string("\xFE\xFF\0<", 4)), 13);
    EXPECT_EQ(xml(std::string("\xFF\xFE<\0", 4)), 14);
    EXPECT_EQ(xml(std::string("\xFE\xFF\0\n", 4)), 7); // a mark without "<": no declaration
    EXPECT_EQ(xml("<a"), 0);                           // fewer than four bytes
}

TEST(XmlDetector, ReadsTheDeclaredEncoding) {
    EXPECT_EQ(xml("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><a/>"), 23);
    EXPECT_EQ(xml("<?xml version='1.0' encoding='SHIFT_jis'?><a/>"), 23);
    EXPECT_EQ(xml("<?xml\tversion = '1.0'\nencoding = \"euc-jp\" ?>"), 22);
    EXPECT_EQ(xml("<?xml version=\"1.0\" encoding=\"no-such-code\"?>"), 7);
    EXPECT_EQ(xml("<?xml version=\"1.0\"?><a/>"), 7);
    EXPECT_EQ(xml("<?xml version=1.0 encoding=\"Shift_JIS\"?>"), 7);    // unquoted version
    EXPECT_EQ(xml("<?xml version=\"1.0\" encoding=\"Shift_JIS?>"), 7);  // unclosed name
    EXPECT_EQ(xml("<?xml version=\"1.0\"encoding=\"Shift_JIS\"?>"), 7); // no space before it
    EXPECT_EQ(xml(utf16be("<?xml version=\"1.0\" encoding=\"utf-16be\"?><a/>")), 13);
    EXPECT_EQ(xml(utf16be("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>")), 24);
}

TEST(XmlDetector, CanBeReusedAfterReset) {
    XmlDetector detector;
    for (const auto& [bytes, id] : {std::pair{utf16be("<?xml version='1.0'?>"), 13},
                                    {"<?xml version='1.0' encoding='Shift_JIS'?>", 23}}) {
        FixedMemIFlow input(bytes.data(), static_cast<u32>(bytes.size()));
        EXPECT_EQ(detector.detect(&input), id);
        EXPECT_TRUE(detector.reset());
    }
}

TEST(HtmlDetector, FindsTheCharsetOfAContentTypeMetaInTheHead) {
    const auto head = [](const std::string& equals, const std::string& charset) {
        return "<html><head><meta http-equiv" + equals + "\"Content-Type\" content=\"text/html;" +
               charset + "\"></head></html>";
    };
    const std::string meta =
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=euc-jp\">";
    EXPECT_EQ(html("<html><head>" + meta + "</head><body></body></html>"), 22);
    EXPECT_EQ(html("<HTML>\n<HEAD>\n<!-- <meta> -->" + meta + "</HEAD></HTML>"), 22);
    EXPECT_EQ(html("<html><head></head><body>" + meta + "</body></html>"), 0);
    EXPECT_EQ(html(head(" = ", " charset=euc-jp")), 0);
    EXPECT_EQ(html(head("=", " charset=euc-jp ")), 0);
    EXPECT_EQ(html(head("=", "charset=Shift_JIS(x)")), 23);
    EXPECT_EQ(html(""), 0);

    const u16 wide[] = {'<', 'a', '>'};
    StringIFlow<u16> notBytes(wide, 3);
    EXPECT_EQ(HtmlDetector().detect(&notBytes), 0);
}

TEST(JaDetector, GuessesFromByteStatistics) {
    EXPECT_EQ(ja("plain ASCII text"), 0);
    EXPECT_EQ(ja("abc\x1b$Bxyz"), 21);
    EXPECT_EQ(ja("\x82\xA0"), 23);
    EXPECT_EQ(ja("\xA4\xA2"), 22);
    EXPECT_EQ(ja("\xFF\xFE"), 14);
    EXPECT_EQ(ja("\xFE\xFF"), 13);
    EXPECT_EQ(ja("\xEF\xBB\xBFtext"), 7);
    EXPECT_EQ(ja("\xEF\xA4\xA2"), 22); // the broken mark's byte is judged itself
    EXPECT_EQ(ja("\x8E\x40"), 23);
    EXPECT_EQ(ja("\x8E\xB1"), 0); // half-width katakana in EUC-JP: undecided
    EXPECT_EQ(createDetector(7), nullptr);
}
