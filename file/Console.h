#pragma once

#include <cstdio>

namespace ZUM {

// Questions about the program's standard streams.
class Console {
public:
    // Whether `stream` is an interactive terminal (where progress may be drawn).
    static bool isTerminal(std::FILE* stream);
};

} // namespace ZUM
