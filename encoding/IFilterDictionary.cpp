#include "encoding/IFilterDictionary.h"

#include <memory>

#include "encoding/RouteTableRow.h"

namespace ZUM {

IFilterDictionary::IFilterDictionary() {
    for (const RouteTableRow* row = routeTable; row->from != 0; ++row) {
        auto entry = std::make_unique<IFilterDictionaryEntry>();
        for (int i = 0; i < RouteTableRow::MaxSteps; ++i) entry->steps[i] = row->steps[i];
        entry->steps[RouteTableRow::MaxSteps] = -1;
        entry->from = row->from;
        entry->to = row->to;
        entry->lossy = row->lossy;
        entry->key = IFilterDictionaryEntry::keyOf(row->from, row->to);
        if (add(entry.get())) entry.release();
    }
}

IFilterDictionary::~IFilterDictionary() {
    for (TreeNode* node = TreeNode::leftmost(root); node; node = TreeNode::successor(node)) {
        delete node->element;
    }
}

const IFilterDictionaryEntry* IFilterDictionary::route(int from, int to) const {
    const std::int32_t key = IFilterDictionaryEntry::keyOf(from, to);
    return get(&key);
}

} // namespace ZUM
