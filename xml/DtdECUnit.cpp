#include "xml/DtdECUnit.h"

#include <memory>

#include "base/LinkIterator.h"
#include "xml/Document.h"
#include "xml/XMLOutputter.h"

namespace ZUM {

// Content models nest only as deep as the parser lets groups nest, so the
// depth-first recursion here stays shallow.
DtdECUnit::~DtdECUnit() {
    if (!children) return;
    children->deleteAll();
    delete children;
}

void DtdECUnit::setName(const Utf16String& text) {
    name = document->internName(text);
}

void DtdECUnit::appendChild(DtdECUnit* child) {
    std::unique_ptr<DtdECUnit> owned(child);
    if (!children) children = new LinkList<DtdECUnit>;
    if (children->append(child)) owned.release();
}

void DtdECUnit::output(XMLOutputter& out) const {
    const char16_t* separator = nullptr;
    switch (kind()) {
    case Empty: out.write(u"EMPTY"); break;
    case Any: out.write(u"ANY"); break;
    case PCData: out.write(u"#PCDATA"); break;
    case Name:
        if (name) out.write(*name);
        break;
    case PCDataGroup: separator = u""; break;
    case Mixed:
    case Choice: separator = u"|"; break;
    case Sequence: separator = u","; break;
    default: break;
    }
    if (separator) {
        out.writeChar(u'(');
        if (children) {
            LinkIterator<DtdECUnit> it(*children);
            for (const DtdECUnit* member = it.next(); member; member = it.next()) {
                member->output(out);
                if (it.hasCurrent()) out.write(separator);
            }
        }
        out.writeChar(u')');
        if (kind() == Mixed) out.writeChar(u'*');
    }
    switch (flags & OccurrenceMask) {
    case Optional: out.writeChar(u'?'); break;
    case OneOrMore: out.writeChar(u'+'); break;
    case ZeroOrMore: out.writeChar(u'*'); break;
    default: break;
    }
}

} // namespace ZUM
