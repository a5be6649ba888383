#pragma once

#include "base/NDLinkListNode.h"
#include "base/TString.h"

namespace ZUM {

class Element;

// One namespace binding on the parser's stack. Prefix and namespace name are
// interned in the document, so bindings compare by pointer.
class NamespaceUnit : public NDLinkListNode<NamespaceUnit> {
public:
    NamespaceUnit(Utf16String* prefix, Utf16String* namespaceURI, Element* owner,
                  bool defaultInScope)
        : prefix(prefix), namespaceURI(namespaceURI), owner(owner), defaultInScope(defaultInScope) {
    }

    Utf16String* prefix; // empty for a default-namespace declaration
    Utf16String* namespaceURI;
    Element* owner; // the start tag that declared it; null for the built-in bindings
    // Whether a default-namespace binding lies at or below this one.
    bool defaultInScope;
};

} // namespace ZUM
