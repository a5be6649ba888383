#pragma once

#include "base/UnitWrites.h"

namespace ZUM {

// Appends units to a string (T = char, u16 or u32) it does not own, in the
// string's own width; the other two widths raise IOException 5.
template <typename T>
class StringOFlow : public UnitWrites<StringOFlow<T>> {
public:
    // A null target gives a closed flow.
    explicit StringOFlow(TString<T>* target);

    bool close() override;
    bool isOpen() const override { return target != nullptr; }
    bool reset() override; // empties the target
    bool isAtStart() const override;

    void flush() override {}

    // The target's length, 0 when closed.
    virtual u32 size() const;

private:
    friend UnitWrites<StringOFlow>;
    template <typename U>
    void writeOne(U unit);
    template <typename U>
    void writeMany(u32 count, const U* units, u32& written);

    TString<T>* target;
};

extern template class UnitWrites<StringOFlow<char>>;
extern template class UnitWrites<StringOFlow<u16>>;
extern template class UnitWrites<StringOFlow<u32>>;
extern template class StringOFlow<char>;
extern template class StringOFlow<u16>;
extern template class StringOFlow<u32>;

} // namespace ZUM
