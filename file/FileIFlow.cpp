#include "file/FileIFlow.h"

#include "base/Exception.h"

namespace ZUM {

// Byte by byte, so that a unit cut short by the end of the file is dropped.
template <typename U>
U FileIFlow::readOne() {
    if (!file) ZUM_THROW_IO(IOException::NotOpen);
    U unit = 0;
    for (unsigned i = 0; i < sizeof(U); ++i) {
        const int c = std::fgetc(file);
        // Only the end-of-file mark means the end: the Windows C runtime fails
        // a read of a file open for writing without setting the error mark.
        if (c == EOF) {
            ZUM_THROW_IO(std::feof(file) ? IOException::EndOfInput : IOException::SystemError);
        }
        unit |= static_cast<U>(static_cast<U>(c) << (8 * i));
    }
    atStart = false;
    return unit;
}

template <typename U>
void FileIFlow::readMany(u32 count, U* buffer, u32& got) {
    if (!file) ZUM_THROW_IO(IOException::NotOpen);
    got = static_cast<u32>(std::fread(buffer, sizeof(U), count, file));
    if (got > 0) atStart = false;
    if (got < count) {
        ZUM_THROW_IO(std::feof(file) ? IOException::EndOfInput : IOException::SystemError);
    }
}

template class UnitReads<FileIFlow, FileFlow<IFlow>>;

} // namespace ZUM
