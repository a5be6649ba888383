#pragma once

#include <cstdio>

#include "base/UnitWrites.h"

namespace ZUM {

// Writes units of any width in native byte order to a C runtime FILE opened
// for binary writing by the caller.
class FileOFlow : public UnitWrites<FileOFlow> {
public:
    // Takes over `file` (null gives a closed flow); a borrowed file is never
    // closed by this flow.
    explicit FileOFlow(std::FILE* file = nullptr, bool borrowed = false);
    ~FileOFlow() override;

    bool close() override; // true when the file was open and closed cleanly
    bool isOpen() const override { return file != nullptr; }
    bool reset() override; // seeks to the start

    void flush() override; // IOException 8 when fflush fails

private:
    friend UnitWrites;
    // A write the C runtime accepts only in part raises IOException 2.
    template <typename U>
    void writeOne(U unit);
    template <typename U>
    void writeMany(u32 count, const U* units, u32& written);

    std::FILE* file;
    bool borrowed;
};

extern template class UnitWrites<FileOFlow>;

} // namespace ZUM
