#include "file/Console.h"

#include <unistd.h>

namespace ZUM {

std::vector<std::string> Console::arguments(int argc, char** argv) {
    return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
}

bool Console::isTerminal(std::FILE* stream) {
    return stream && ::isatty(::fileno(stream)) == 1;
}

void Console::write(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

} // namespace ZUM
