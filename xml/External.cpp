#include "xml/External.h"

#include "xml/XMLOutputter.h"

namespace ZUM {

bool External::writeExternalId(XMLOutputter& out) const {
    if (publicId) {
        out.write(u"PUBLIC ");
        writeQuoted(out, *publicId);
        if (systemId) {
            out.writeChar(u' ');
            writeQuoted(out, *systemId);
        }
        return true;
    }
    if (!systemId) return false;
    out.write(u"SYSTEM ");
    writeQuoted(out, *systemId);
    return true;
}

void External::writeQuoted(XMLOutputter& out, const Utf16String& text) {
    out.writeChar(u'"');
    out.write(text);
    out.writeChar(u'"');
}

} // namespace ZUM
