#include "xml/Comment.h"

#include "xml/XMLOutputter.h"

namespace ZUM {

Comment::Comment(Document* ownerDocument) : CharacterData(ownerDocument, CommentNode) {
    setFixedName(u"#comment");
}

Node* Comment::cloneNode(bool) {
    return copyBase<Comment>().release();
}

void Comment::output(XMLOutputter& out) {
    out.write(u"<!--");
    out.write(nodeValue);
    out.write(u"-->");
}

} // namespace ZUM
