#pragma once

#include "base/OFlow.h"

namespace ZUM {

// Accepts units of every width and discards them; every write reports success.
class NullOFlow : public OFlow {
public:
    NullOFlow() : OFlow(true, WidthAny) {}

    void flush() override;
    void write8(u8 unit) override;
    void write16(u16 unit) override;
    void write32(u32 unit) override;
};

} // namespace ZUM
