#include "xml/DOMImplementation.h"

namespace ZUM {

bool DOMImplementation::hasFeature(const Utf16String& feature, const Utf16String& version) const {
    if (version.length() != 0 && !(version == reinterpret_cast<const u16*>(u"1.0"))) return false;
    return feature == reinterpret_cast<const u16*>(u"XML") ||
           feature == reinterpret_cast<const u16*>(u"HTML");
}

} // namespace ZUM
