#include "xml/Comment.h"

#include "xml/XMLOutputter.h"

namespace ZUM {

Comment::Comment(Document* ownerDocument) : CharacterData(ownerDocument, CommentNode) {}

Node* Comment::cloneNode(bool) {
    return copyBase<Comment>().release();
}

void Comment::output(XMLOutputter& out) {
    writeValueWithin(out, u"<!--", u"-->");
}

} // namespace ZUM
