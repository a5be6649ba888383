#pragma once

#include "base/IFlow.h"

namespace ZUM {

// Reads the units of a string (T = char, u16 or u32) in the string's own width;
// the other two widths raise IOException 5. It keeps a pointer to the units,
// so the string must neither change nor die while it is read.
template <typename T>
class StringIFlow : public IFlow {
public:
    // A null string gives a closed flow.
    explicit StringIFlow(const TStringPtr<T>* text);
    StringIFlow(const T* data, u32 count);

    bool close() override;
    bool isOpen() const override { return data != nullptr; }
    bool reset() override;
    bool isAtStart() const override;

    u8 read8() override;
    u16 read16() override;
    u32 read32() override;

private:
    template <typename U>
    U next();

    const T* data;
    u32 count;
    u32 position;
};

extern template class StringIFlow<char>;
extern template class StringIFlow<u16>;
extern template class StringIFlow<u32>;

} // namespace ZUM
