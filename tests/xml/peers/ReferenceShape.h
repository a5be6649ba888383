#pragma once

#include <string>
#include <string_view>

#include "tests/xml/ParseSupport.h"

namespace ParseSupport {

// The shape of the document element libxml2 builds (entities substituted);
// an empty string when libxml2 refuses the document. Linux only.
std::string referenceShape(std::u16string_view text);

} // namespace ParseSupport
