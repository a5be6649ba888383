#include "xml/AtomTable.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace ZUM {

namespace {

int compareUnits(const u16* a, u32 na, const u16* b, u32 nb) {
    auto order = std::lexicographical_compare_three_way(a, a + na, b, b + nb);
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

unsigned hashOf(const u16* units, u32 count) {
    unsigned hash = count;
    for (u32 i = 0; i < count; ++i) hash = hash * 31 + units[i];
    return hash ^ hash >> 8;
}

} // namespace

AtomTable::~AtomTable() {
    for (TreeNode* node = TreeNode::leftmost(root); node; node = TreeNode::successor(node))
        delete node->element;
}

int AtomTable::compare(const Utf16String* a, const Utf16String* b) const {
    return compareUnits(a->data(), a->length(), b->data(), b->length());
}

Utf16String* AtomTable::intern(const u16* units, u32 count) {
    Utf16String*& slot = recent[hashOf(units, count) % recent.size()];
    if (slot && slot->length() == count &&
        (count == 0 || std::memcmp(slot->data(), units, count * sizeof(u16)) == 0))
        return slot;
    slot = search(units, count);
    return slot;
}

// The lookup runs on the raw units, so that a hit allocates nothing.
Utf16String* AtomTable::search(const u16* units, u32 count) {
    TreeNode* node = root;
    while (node) {
        const Utf16String* key = node->element;
        int side = compareUnits(key->data(), key->length(), units, count);
        if (side == 0) return node->element;
        node = side < 0 ? node->right : node->left;
    }
    auto atom = std::make_unique<Utf16String>(units, count);
    add(atom.get());
    return atom.release();
}

} // namespace ZUM
