#include "file/Console.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/Scratch.h"

using namespace ZUM;

using ConsoleTest = Scratch;

// Redirected output is the UTF-8 bytes, whatever the console code page;
// tests/win32/console-test.sh checks a real console.
TEST_F(ConsoleTest, RedirectedTextIsItsBytes) {
    const std::string text = "教科書\xED\xA0\x80: 修正が成功しました。";
    std::FILE* file = std::fopen(path("out").c_str(), "wb");
    ASSERT_NE(file, nullptr);
    EXPECT_FALSE(Console::isTerminal(file));
    Console::write(file, text);
    std::fclose(file);
    EXPECT_EQ(read("out"), text);
}
