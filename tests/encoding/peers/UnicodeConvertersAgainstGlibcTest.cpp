#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "encoding/Utf8Decoder.h"
#include "encoding/Utf8Encoder.h"
#include "tests/encoding/peers/GlibcIconv.h"

using namespace ZUM;
using namespace ZUM::test;

namespace {

// Every code point from U+0001 up to `last`, surrogates left out, as UTF-16.
std::u16string everyCodePoint(char32_t last = 0x10FFFF) {
    std::u16string text;
    for (char32_t c = 1; c <= last; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        if (c < 0x10000) {
            text.push_back(static_cast<char16_t>(c));
        } else {
            text.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
            text.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        }
    }
    return text;
}

} // namespace

TEST(Utf8AgainstGlibc, EveryCodePoint) {
    const std::u16string text = everyCodePoint();
    const std::optional<std::string> utf8 = glibcConvert("UTF-8", "UTF-16LE", utf16Bytes(text));
    ASSERT_TRUE(utf8);
    EXPECT_EQ(stringOf(convert<FromUtf16NToUtf8N>(unitsOf(text), Width16)), *utf8);
    EXPECT_EQ(textOf(convert<FromUtf8ToUtf16N>(bytesOf(*utf8), Width8)), text);

    const std::u16string bmp = everyCodePoint(0xFFFF);
    const std::optional<std::string> bmpUtf8 = glibcConvert("UTF-8", "UCS-2LE", utf16Bytes(bmp));
    ASSERT_TRUE(bmpUtf8);
    EXPECT_EQ(stringOf(convert<FromUcs2ToUtf8N>(unitsOf(bmp), Width16)), *bmpUtf8);
    EXPECT_EQ(textOf(convert<FromUtf8NToUcs2>(bytesOf(*bmpUtf8), Width8)), bmp);
}

// Each fixed-width form both ways through the registry's routes from and to
// UTF-16N, against glibc writing the same text.
TEST(UnicodeFormsAgainstGlibc, EveryCodePointThroughTheRoutes) {
    const std::string all = utf16Bytes(everyCodePoint());
    const std::string bmp = utf16Bytes(everyCodePoint(0xFFFF));
    const std::string mark16le = "\xFF\xFE", mark16be = "\xFE\xFF";
    const std::string mark32le("\xFF\xFE\0\0", 4), mark32be("\0\0\xFE\xFF", 4);
    struct Form {
        int id;
        const char* glibcName;
        std::string mark; // written before glibc's text
        bool bmpOnly = false;
    };
    const Form forms[] = {
        {2, "UCS-2LE", "", true},   {3, "UCS-2BE", "", true},   {4, "UCS-4LE", ""},
        {5, "UCS-4BE", ""},         {9, "UTF-16", ""},          {11, "UTF-32", ""},
        {12, "UTF-32LE", ""},       {13, "UTF-16BE", ""},       {14, "UTF-16LE", ""},
        {15, "UTF-16BE", mark16be}, {16, "UTF-16LE", mark16le}, {17, "UTF-32BE", ""},
        {18, "UTF-32LE", ""},       {19, "UTF-32BE", mark32be}, {20, "UTF-32LE", mark32le},
    };
    for (const Form& form : forms) {
        const std::string& text = form.bmpOnly ? bmp : all;
        const std::optional<std::string> written = glibcConvert(form.glibcName, "UTF-16LE", text);
        ASSERT_TRUE(written) << form.glibcName;
        const std::string expected = form.mark + *written;
        EXPECT_TRUE(convertChain(10, form.id, text) == expected) << "10->" << form.id;
        EXPECT_TRUE(convertChain(form.id, 10, expected) == text) << form.id << "->10";
    }
}