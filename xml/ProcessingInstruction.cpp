#include "xml/ProcessingInstruction.h"

#include "xml/Document.h"
#include "xml/XMLOutputter.h"

namespace ZUM {

Node* ProcessingInstruction::cloneNode(bool) {
    std::unique_ptr<ProcessingInstruction> copy = copyNamed<ProcessingInstruction>();
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
