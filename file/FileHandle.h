#pragma once

#include <cstdio>

namespace ZUM {

// What the two file flows share about the FILE they were handed.

// Forgets the file, closing it unless borrowed; true when it was open and, if
// closed here, fclose succeeded.
bool releaseFile(std::FILE*& file, bool borrowed);

// Seeks to the file's start; false for no file or a failed seek.
bool rewindFile(std::FILE* file);

} // namespace ZUM
