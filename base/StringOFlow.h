#pragma once

#include "base/OFlow.h"

namespace ZUM {

// Appends units to a string (T = char, u16 or u32) it does not own, in the
// string's own width; the other two widths raise IOException 5.
template <typename T>
class StringOFlow : public OFlow {
public:
    // A null target gives a closed flow.
    explicit StringOFlow(TString<T>* target);

    bool close() override;
    bool isOpen() const override { return target != nullptr; }
    bool reset() override; // empties the target
    bool isAtStart() const override;

    void flush() override {}
    void write8(u8 unit) override;
    void write16(u16 unit) override;
    void write32(u32 unit) override;
    void write8Many(u32 count, const u8* units, u32& written) override;
    void write16Many(u32 count, const u16* units, u32& written) override;
    void write32Many(u32 count, const u32* units, u32& written) override;

    // The target's length, 0 when closed.
    virtual u32 size() const;

private:
    template <typename U>
    void put(U unit);
    template <typename U>
    void putMany(u32 count, const U* units, u32& written);

    TString<T>* target;
};

extern template class StringOFlow<char>;
extern template class StringOFlow<u16>;
extern template class StringOFlow<u32>;

} // namespace ZUM
