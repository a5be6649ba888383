#pragma once

#include "base/Iterator.h"
#include "base/List.h"
#include "base/NDLinkListNode.h"

namespace ZUM {

// Iterator over an NDLinkList; the cursor is an element, null at the end. An
// iterator standing on an element that was taken out sees null links and ends.
template <class T>
class NDLinkListIterator : public Iterator<T> {
public:
    explicit NDLinkListIterator(const List<T>& list) : list(list), cursor(list.first()) {}

    T* current() const override { return cursor; }
    T* next() override { return step(cursor ? cursor->getNext() : nullptr); }
    T* previous() override { return step(cursor ? cursor->getPrevious() : nullptr); }
    T* toFirst() override { return cursor = list.first(); }
    T* toLast() override { return cursor = list.last(); }
    bool hasCurrent() const override { return cursor != nullptr; }
    int position() const override { return cursor ? list.indexOf(cursor) : 0; }

private:
    T* step(T* to) {
        T* element = cursor;
        cursor = to;
        return element;
    }

    const List<T>& list;
    T* cursor;
};

} // namespace ZUM
