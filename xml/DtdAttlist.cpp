#include "xml/DtdAttlist.h"

#include "base/LinkIterator.h"
#include "xml/XMLOutputter.h"

namespace ZUM {

DtdAttlist::~DtdAttlist() {
    if (!enumeration) return;
    enumeration->deleteAll();
    delete enumeration;
}

Node* DtdAttlist::cloneNode(bool) {
    return nullptr;
}

void DtdAttlist::addEnumerationValue(const Utf16String& value) {
    auto copy = std::make_unique<Utf16String>(value);
    if (!enumeration) enumeration = new LinkList<Utf16String>;
    if (enumeration->append(copy.get())) copy.release();
}

void DtdAttlist::output(XMLOutputter& out) {
    if (first) {
        out.write(u"<!ATTLIST");
        Node* element = parentLink();
        if (element && element->getNodeName()) {
            out.writeChar(u' ');
            out.write(*element->getNodeName());
        }
    }
    out.writeChar(u' ');
    if (nodeName) out.write(*nodeName);
    out.writeChar(u' ');
    writeType(out);
    out.writeChar(u' ');
    writeDefault(out);
    if (last) out.write(u" >");
}

void DtdAttlist::writeType(XMLOutputter& out) const {
    static const char16_t* const keywords[] = {u"CDATA",  u"ID",       u"IDREF",
                                               u"IDREFS", u"NMTOKEN",  u"NMTOKENS",
                                               u"ENTITY", u"ENTITIES", u"NOTATION "};
    if (attributeType >= CData && attributeType <= NotationType)
        out.write(keywords[attributeType - CData]);
    if (attributeType == NotationType || attributeType == Enumeration) writeValueList(out);
}

void DtdAttlist::writeValueList(XMLOutputter& out) const {
    out.writeChar(u'(');
    if (enumeration) {
        LinkIterator<Utf16String> it(*enumeration);
        for (const Utf16String* value = it.next(); value; value = it.next()) {
            out.write(*value);
            if (it.hasCurrent()) out.write(u" |");
        }
    }
    out.writeChar(u')');
}

void DtdAttlist::writeDefault(XMLOutputter& out) const {
    switch (defaultKind) {
    case Required: out.write(u"#REQUIRED"); return;
    case Implied: out.write(u"#IMPLIED"); return;
    case Fixed: out.write(u"#FIXED "); break;
    case Value: break;
    default: return;
    }
    out.writeChar(u'"');
    if (defaultValue) out.writeEscaped(*defaultValue);
    out.writeChar(u'"');
}

} // namespace ZUM
