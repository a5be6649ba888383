#include "file/FileHandle.h"

namespace ZUM {

bool releaseFile(std::FILE*& file, bool borrowed) {
    if (!file) return false;
    std::FILE* closing = file;
    file = nullptr;
    return borrowed || std::fclose(closing) == 0;
}

bool rewindFile(std::FILE* file) {
    return file && std::fseek(file, 0, SEEK_SET) == 0;
}

} // namespace ZUM
