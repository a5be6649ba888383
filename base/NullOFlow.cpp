#include "base/NullOFlow.h"

namespace ZUM {

void NullOFlow::flush() {}

void NullOFlow::write8(u8) {}

void NullOFlow::write16(u16) {}

void NullOFlow::write32(u32) {}

} // namespace ZUM
