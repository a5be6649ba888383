#pragma once

#include "base/UnitReads.h"

namespace ZUM {

// Reads the units of a string (T = char, u16 or u32) in the string's own width;
// the other two widths raise IOException 5. It keeps a pointer to the units,
// so the string must neither change nor die while it is read.
template <typename T>
class StringIFlow : public UnitReads<StringIFlow<T>> {
public:
    // A null string gives a closed flow.
    explicit StringIFlow(const TStringPtr<T>* text);
    StringIFlow(const T* data, u32 count);

    bool close() override;
    bool isOpen() const override { return data != nullptr; }
    bool reset() override;
    bool isAtStart() const override;

private:
    friend UnitReads<StringIFlow>;
    template <typename U>
    U readOne();
    // A block read copies what is left and ends short at the end without
    // raising, as a read unit by unit does: ending a small conversion by an
    // exception would cost more than the conversion.
    template <typename U>
    void readMany(u32 wanted, U* buffer, u32& got);

    const T* data;
    u32 count;
    u32 position;
};

extern template class UnitReads<StringIFlow<char>>;
extern template class UnitReads<StringIFlow<u16>>;
extern template class UnitReads<StringIFlow<u32>>;
extern template class StringIFlow<char>;
extern template class StringIFlow<u16>;
extern template class StringIFlow<u32>;

} // namespace ZUM
