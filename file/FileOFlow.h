#pragma once

#include <cstdio>

#include "base/OFlow.h"

namespace ZUM {

// Writes units of any width in native byte order to a C runtime FILE opened
// for binary writing by the caller.
class FileOFlow : public OFlow {
public:
    // Takes over `file` (null gives a closed flow); a borrowed file is never
    // closed by this flow.
    explicit FileOFlow(std::FILE* file = nullptr, bool borrowed = false);
    ~FileOFlow() override;

    bool close() override; // true when the file was open and closed cleanly
    bool isOpen() const override { return file != nullptr; }
    bool reset() override; // seeks to the start

    void flush() override; // IOException 8 when fflush fails
    // A write the C runtime accepts only in part raises IOException 2.
    void write8(u8 unit) override;
    void write16(u16 unit) override;
    void write32(u32 unit) override;
    void write8Many(u32 count, const u8* units, u32& written) override;
    void write16Many(u32 count, const u16* units, u32& written) override;
    void write32Many(u32 count, const u32* units, u32& written) override;

private:
    template <typename U>
    void putMany(u32 count, const U* units, u32& written);

    std::FILE* file;
    bool borrowed;
};

} // namespace ZUM
