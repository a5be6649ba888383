#pragma once

#include "base/UnitWrites.h"
#include "file/FileFlow.h"

namespace ZUM {

// Writes units of any width in native byte order to a C runtime FILE opened
// for binary writing by the caller.
class FileOFlow : public UnitWrites<FileOFlow, FileFlow<OFlow>> {
public:
    using UnitWrites::UnitWrites;

    void flush() override; // IOException 8 when fflush fails
    // Puts everything written on the disk; false when that fails or the
    // flow is closed.
    bool sync();

private:
    friend UnitWrites;
    // A write the C runtime accepts only in part raises IOException 2.
    template <typename U>
    void writeOne(U unit);
    template <typename U>
    void writeMany(u32 count, const U* units, u32& written);
};

extern template class UnitWrites<FileOFlow, FileFlow<OFlow>>;

} // namespace ZUM
