#pragma once

#include <cstdio>

#include "base/UnitReads.h"

namespace ZUM {

// Reads units of any width from a C runtime FILE opened for binary reading by
// the caller; multi-byte units are taken low byte first.
class FileIFlow : public UnitReads<FileIFlow> {
public:
    // Takes over `file` (null gives a closed flow); a borrowed file is never
    // closed by this flow.
    explicit FileIFlow(std::FILE* file = nullptr, bool borrowed = false);
    ~FileIFlow() override;

    bool close() override; // true when the file was open and closed cleanly
    bool isOpen() const override { return file != nullptr; }
    bool reset() override; // seeks to the start


private:
    friend UnitReads;
    template <typename U>
    U readOne();
    // One fread. Unlike the unit-by-unit default, a short read raises
    // IOException 1 at end of file (8 on an error) after setting `got`.
    template <typename U>
    void readMany(u32 count, U* buffer, u32& got);

    std::FILE* file;
    bool borrowed;
};

extern template class UnitReads<FileIFlow>;

} // namespace ZUM
