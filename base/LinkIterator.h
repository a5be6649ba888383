#pragma once

#include "base/Iterator.h"
#include "base/LinkList.h"

namespace ZUM {

// Iterator over a LinkList; the cursor is a cell, the sentinel meaning the end.
// Stepping back walks from the head, since the cells link one way only.
// Removing the element before the cursor frees the cursor's cell (see Iterator).
template <class T>
class LinkIterator : public Iterator<T> {
public:
    explicit LinkIterator(const LinkList<T>& list) : list(list), cursor(list.head) {}

    T* current() const override { return cursor->element; }
    T* next() override {
        T* element = cursor->element;
        cursor = cursor->next; // the sentinel links to itself
        return element;
    }
    T* previous() override {
        T* element = cursor->element;
        if (cursor != list.tail) {
            Cell* before = list.cellBefore(cursor);
            cursor = before ? before : list.tail;
        }
        return element;
    }
    T* toFirst() override {
        cursor = list.head;
        return current();
    }
    T* toLast() override {
        cursor = list.lastCell();
        return current();
    }
    bool hasCurrent() const override { return cursor != list.tail; }
    int position() const override {
        if (cursor == list.tail) return 0;
        int position = 1;
        for (Cell* cell = list.head; cell != cursor; cell = cell->next) ++position;
        return position;
    }

private:
    using Cell = typename LinkList<T>::Cell;

    const LinkList<T>& list;
    Cell* cursor;
};

} // namespace ZUM
