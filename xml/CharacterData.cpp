#include "xml/CharacterData.h"

#include "xml/XMLOutputter.h"

namespace ZUM {

void CharacterData::writeValueWithin(XMLOutputter& out, const char16_t* open,
                                     const char16_t* close) const {
    out.write(open);
    out.write(nodeValue);
    out.write(close);
}

} // namespace ZUM
