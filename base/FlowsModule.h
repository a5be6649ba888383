#pragma once

#include "base/NullOFlow.h"
#include "base/TextWriter.h"

namespace ZUM {

// The flows module (slot 0 of the module table): a shared null output flow and
// text writers of the three widths over it, made when the library starts and
// deleted when it stops. Null outside that span.
NullOFlow* sharedNullOFlow();
TextWriter<char>* sharedTextWriter8();
TextWriter<u16>* sharedTextWriter16();
TextWriter<u32>* sharedTextWriter32();

} // namespace ZUM
