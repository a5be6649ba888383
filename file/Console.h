#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace ZUM {

// The program's console side: its arguments and its standard streams.
class Console {
public:
    // The arguments after the program's name, in the narrow form of paths
    // (FileSystem::widePath reads them back): as given on POSIX; on Windows
    // from the UTF-16 command line, whatever the code page.
    static std::vector<std::string> arguments(int argc, char** argv);

    // Whether `stream` is an interactive terminal (where progress may be drawn).
    static bool isTerminal(std::FILE* stream);

    // Writes text in the narrow form of paths (UTF-8 for text) to `stream`: as
    // its bytes, except to a Windows console, which is given the characters.
    static void write(std::FILE* stream, const std::string& text);
};

} // namespace ZUM
