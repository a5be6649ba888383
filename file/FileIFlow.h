#pragma once

#include "base/UnitReads.h"
#include "file/FileFlow.h"

namespace ZUM {

// Reads units of any width from a C runtime FILE opened for binary reading by
// the caller; multi-byte units are taken low byte first.
class FileIFlow : public UnitReads<FileIFlow, FileFlow<IFlow>> {
public:
    using UnitReads::UnitReads;

private:
    friend UnitReads;
    template <typename U>
    U readOne();
    // One fread. Unlike the unit-by-unit default, a short read raises
    // IOException 1 at end of file (8 on an error) after setting `got`.
    template <typename U>
    void readMany(u32 count, U* buffer, u32& got);
};

extern template class UnitReads<FileIFlow, FileFlow<IFlow>>;

} // namespace ZUM
