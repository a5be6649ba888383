#include "xml/ProcessingInstruction.h"

#include "xml/Document.h"
#include "xml/XMLOutputter.h"

namespace ZUM {

Node* ProcessingInstruction::cloneNode(bool) {
    auto copy = std::make_unique<ProcessingInstruction>(ownerDocument);
    if (nodeName) copy->nodeName = ownerDocument->internName(*nodeName);
    copy->nodeValue.assign(nodeValue);
    return copy.release();
}

void ProcessingInstruction::output(XMLOutputter& out) {
    out.write(u"<?");
    if (nodeName) out.write(*nodeName);
    if (nodeValue.length()) {
        out.writeChar(u' ');
        out.write(nodeValue);
    }
    out.write(u"?>");
}

} // namespace ZUM
