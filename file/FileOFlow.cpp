#include "file/FileOFlow.h"

#include "base/Exception.h"
#include "file/FileSystem.h"

namespace ZUM {

void FileOFlow::flush() {
    if (!file) ZUM_THROW_IO(IOException::NotOpen);
    if (std::fflush(file) != 0) ZUM_THROW_IO(IOException::SystemError);
}

bool FileOFlow::sync() {
    return FileSystem::syncFile(file);
}

template <typename U>
void FileOFlow::writeMany(u32 count, const U* units, u32& written) {
    if (!file) ZUM_THROW_IO(IOException::NotOpen);
    written = static_cast<u32>(std::fwrite(units, sizeof(U), count, file));
    if (written > 0) atStart = false;
    if (written < count) ZUM_THROW_IO(IOException::WriteRefused);
}

// The byte conveyer ends here: fputc is the C runtime's cheapest single write.
template <typename U>
void FileOFlow::writeOne(U unit) {
    if constexpr (sizeof(U) == 1) {
        if (!file) ZUM_THROW_IO(IOException::NotOpen);
        if (std::fputc(unit, file) == EOF) ZUM_THROW_IO(IOException::WriteRefused);
        atStart = false;
    } else {
        u32 written;
        writeMany(1, &unit, written);
    }
}

template class UnitWrites<FileOFlow, FileFlow<OFlow>>;

} // namespace ZUM
