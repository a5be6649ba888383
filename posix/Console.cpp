#include "file/Console.h"

#include <unistd.h>

namespace ZUM {

bool Console::isTerminal(std::FILE* stream) {
    return stream && ::isatty(::fileno(stream)) == 1;
}

} // namespace ZUM
