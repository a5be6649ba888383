#include "xml/NamespaceNameTable.h"

#include <functional>

namespace ZUM {

std::size_t NamespaceNameTable::Hash::operator()(const NamespaceName& name) const {
    const std::hash<const void*> of;
    return of(name.prefix) ^ of(name.localName) * 31 ^ of(name.namespaceURI) * 961;
}

const NamespaceName* NamespaceNameTable::intern(const NamespaceName& name) {
    if (!name.prefix && !name.localName && !name.namespaceURI) return nullptr;
    const NamespaceName*& slot = recent[Hash()(name) % recent.size()];
    if (!slot || !(*slot == name)) slot = &*records.insert(name).first;
    return slot;
}

} // namespace ZUM
