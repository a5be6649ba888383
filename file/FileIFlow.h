#pragma once

#include <cstdio>

#include "base/IFlow.h"

namespace ZUM {

// Reads units of any width from a C runtime FILE opened for binary reading by
// the caller; multi-byte units are taken low byte first.
class FileIFlow : public IFlow {
public:
    // Takes over `file` (null gives a closed flow); a borrowed file is never
    // closed by this flow.
    explicit FileIFlow(std::FILE* file = nullptr, bool borrowed = false);
    ~FileIFlow() override;

    bool close() override; // true when the file was open and closed cleanly
    bool isOpen() const override { return file != nullptr; }
    bool reset() override; // seeks to the start

    u8 read8() override;
    u16 read16() override;
    u32 read32() override;
    // One fread each. Unlike the unit-by-unit default, a short read raises
    // IOException 1 at end of file (8 on an error) after setting `got`.
    void read8Many(u32 count, u8* buffer, u32& got) override;
    void read16Many(u32 count, u16* buffer, u32& got) override;
    void read32Many(u32 count, u32* buffer, u32& got) override;

private:
    template <typename U>
    U get();
    template <typename U>
    void getMany(u32 count, U* buffer, u32& got);

    std::FILE* file;
    bool borrowed;
};

} // namespace ZUM
