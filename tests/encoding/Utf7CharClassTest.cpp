#include "encoding/Utf7CharClass.h"

#include <gtest/gtest.h>

using namespace ZUM;

// What the UTF-7 encoder decides by: a direct character that is also base64 needs
// a "-" to close a run before it; tilde and backslash are never direct.
TEST(Utf7CharClass, ClassesTheCodersRelyOn) {
    EXPECT_EQ(utf7CharClasses['a'], Utf7Direct | Base64Char | Utf7EncodedDirect | Utf7AnyDirect);
    EXPECT_EQ(utf7CharClasses['.'], Utf7Direct | Utf7EncodedDirect | Utf7AnyDirect);
    EXPECT_EQ(utf7CharClasses['/'], Utf7Direct | Base64Char | Utf7EncodedDirect | Utf7AnyDirect);
    EXPECT_EQ(utf7CharClasses['+'], Base64Char);
    EXPECT_EQ(utf7CharClasses['!'], Utf7Optional | Utf7AnyDirect);
    EXPECT_EQ(utf7CharClasses['\n'], Utf7EncodedDirect | Utf7AnyDirect);
    for (int never : {0x7E, 0x5C, 0x00, 0x80, 0xFF}) EXPECT_EQ(utf7CharClasses[never], 0);
    int base64 = 0;
    for (int byte = 0; byte < 256; ++byte) {
        const bool isBase64 = utf7CharClasses[byte] & Base64Char;
        base64 += isBase64;
        EXPECT_EQ(base64Values[byte] != NotBase64, isBase64) << byte;
        EXPECT_TRUE(!isBase64 || base64Alphabet[base64Values[byte]] == byte) << byte;
    }
    EXPECT_EQ(base64, 64);
}
