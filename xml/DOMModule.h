#pragma once

#include "base/TString.h"
#include "xml/DOMImplementation.h"

namespace ZUM {

// The document model's process-wide objects, made by its module when the
// library starts and deleted when it stops; null outside that span.
DOMImplementation* sharedDOMImplementation();
// The value to use where an attribute is absent.
const Utf16String* sharedEmptyString();

} // namespace ZUM
