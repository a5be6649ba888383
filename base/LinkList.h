#pragma once

#include "base/XList.h"

#include <algorithm>
#include <utility>

namespace ZUM {

template <class T>
class LinkIterator;

// Singly linked list of separately allocated cells that always ends in a
// sentinel cell (null element, next pointing to itself). Appending stores the
// element in the sentinel and hangs a new sentinel behind it, so it takes
// constant time; a search stores the wanted pointer in the sentinel first, so
// its walk needs no end test. The list owns its cells, never its elements.
// Null elements are refused, since null marks the end.
template <class T>
class LinkList : public XList<T> {
public:
    LinkList() : head(new Cell), tail(head) { tail->next = tail; }
    ~LinkList() override {
        clear();
        delete tail;
    }

    bool isEmpty() const override { return head == tail; }
    int count() const override {
        int n = 0;
        for (Cell* cell = head; cell != tail; cell = cell->next) ++n;
        return n;
    }
    bool add(T* element) override { return append(element) != nullptr; }
    bool remove(T* element) override { return removeCell(find(element)); }
    void clear() override {
        freeCells(head, tail);
        head = tail;
    }
    bool contains(T* element) const override { return find(element) != tail; }
    Iterator<T>* iterator() const override { return new LinkIterator<T>(*this); }

    T* get(int index) const override { return cellAt(index)->element; }
    int indexOf(T* element) const override {
        tail->element = element;
        int position = 1;
        Cell* cell = head;
        for (; cell->element != element; cell = cell->next) ++position;
        tail->element = nullptr;
        return cell == tail ? 0 : position;
    }
    T* previousOf(T* element) const override {
        Cell* previous;
        Cell* cell = find(element, previous);
        return cell != tail && previous ? previous->element : nullptr;
    }
    T* nextOf(T* element) const override {
        Cell* cell = find(element);
        return cell == tail ? nullptr : cell->next->element;
    }
    T* first() const override { return head->element; }
    T* last() const override { return lastCell()->element; }
    T* prepend(T* element) override {
        if (!element) return nullptr;
        head = new Cell{element, head};
        return element;
    }
    T* removeFirst() override {
        if (isEmpty()) return nullptr;
        Cell* cell = head;
        T* element = cell->element;
        head = cell->next;
        delete cell;
        return element;
    }
    T* append(T* element) override {
        if (!element) return nullptr;
        Cell* sentinel = new Cell;
        sentinel->next = sentinel;
        tail->element = element;
        tail->next = sentinel;
        tail = sentinel;
        return element;
    }
    T* removeLast() override {
        Cell* cell = lastCell();
        T* element = cell->element;
        removeCell(cell);
        return element;
    }
    bool insertBefore(T* ref, T* element) override {
        Cell* previous;
        Cell* cell = find(ref, previous);
        return insertBetween(previous, cell, element);
    }
    bool insertAt(int position, T* element) override {
        Cell* previous;
        Cell* cell = cellAtPosition(position, previous);
        return insertBetween(previous, cell, element);
    }
    bool insertAfter(T* ref, T* element) override { return insertBehind(find(ref), element); }
    bool insertAfterPosition(int position, T* element) override {
        return insertBehind(cellAtPosition(position), element);
    }
    bool removeAt(int position) override { return removeCell(cellAtPosition(position)); }
    bool replace(T* old, T* element) override { return replaceIn(find(old), element); }
    bool replaceAt(int position, T* element) override {
        return replaceIn(cellAtPosition(position), element);
    }
    bool swapAt(int position1, int position2) override {
        return swapCells(cellAtPosition(position1), cellAtPosition(position2));
    }
    bool swap(T* a, T* b) override { return swapCells(find(a), find(b)); }
    bool removeBefore(T* element) override { return removeBeforeCell(find(element)); }
    bool removeBeforePosition(int position) override {
        return removeBeforeCell(cellAtPosition(position));
    }
    bool removeAfter(T* element) override { return removeAfterCell(find(element)); }
    bool removeAfterPosition(int position) override {
        return removeAfterCell(cellAtPosition(position));
    }
    bool removeRange(T* a, T* b) override {
        Cell* cellA = find(a);
        Cell* cellB = find(b);
        if (cellA == tail || cellB == tail) return false;
        Cell* cell = cellA;
        while (cell != cellB && cell != tail) cell = cell->next;
        if (cell == cellB)
            removeRun(cellA, cellB);
        else
            removeRun(cellB, cellA);
        return true;
    }
    bool removeRangeAt(int position1, int position2) override {
        int from = std::min(position1, position2), to = std::max(position1, position2);
        Cell* first = cellAtPosition(from);
        Cell* last = first;
        for (int position = from; position < to && last != tail; ++position) last = last->next;
        if (last == tail) return false;
        removeRun(first, last);
        return true;
    }

private:
    friend class LinkIterator<T>;

    struct Cell {
        T* element = nullptr;
        Cell* next = nullptr;
    };

    // The cell holding `element` (the sentinel when absent) and the cell
    // before it (null when it is the head).
    Cell* find(T* element, Cell*& previous) const {
        tail->element = element;
        previous = nullptr;
        Cell* cell = head;
        for (; cell->element != element; cell = cell->next) previous = cell;
        tail->element = nullptr;
        return cell;
    }
    Cell* find(T* element) const {
        Cell* previous;
        return find(element, previous);
    }

    // The cell at a 0-based index, the sentinel when out of range.
    Cell* cellAt(int index, Cell*& previous) const {
        previous = nullptr;
        Cell* cell = index < 0 ? tail : head;
        for (; index > 0 && cell != tail; --index) {
            previous = cell;
            cell = cell->next;
        }
        return cell;
    }
    Cell* cellAt(int index) const {
        Cell* previous;
        return cellAt(index, previous);
    }
    Cell* cellAtPosition(int position, Cell*& previous) const {
        previous = nullptr;
        return position < 1 ? tail : cellAt(position - 1, previous);
    }
    Cell* cellAtPosition(int position) const {
        Cell* previous;
        return cellAtPosition(position, previous);
    }

    // The last element's cell, the sentinel when empty.
    Cell* lastCell() const {
        Cell* cell = head;
        while (cell->next != tail) cell = cell->next;
        return cell;
    }

    // The cell before `cell`, null for the head.
    Cell* cellBefore(Cell* cell) const {
        if (cell == head) return nullptr;
        Cell* previous = head;
        while (previous->next != cell) previous = previous->next;
        return previous;
    }

    bool insertBetween(Cell* previous, Cell* cell, T* element) {
        if (cell == tail || !element) return false;
        Cell* added = new Cell{element, cell};
        (previous ? previous->next : head) = added;
        return true;
    }

    bool insertBehind(Cell* cell, T* element) {
        if (cell == tail || !element) return false;
        cell->next = new Cell{element, cell->next};
        return true;
    }

    bool replaceIn(Cell* cell, T* element) {
        if (cell == tail || !element) return false;
        cell->element = element;
        return true;
    }

    bool swapCells(Cell* a, Cell* b) {
        if (a == tail || b == tail) return false;
        std::swap(a->element, b->element);
        return true;
    }

    // Takes the element out of a cell without walking: the next cell's content
    // moves into this one and the next cell is freed; the last cell instead
    // becomes the sentinel.
    bool removeCell(Cell* cell) {
        if (cell == tail) return false;
        Cell* next = cell->next;
        if (next != tail) {
            *cell = *next;
            delete next;
        } else {
            cell->element = nullptr;
            cell->next = cell;
            delete tail;
            tail = cell;
        }
        return true;
    }

    // Frees the cells from `first` up to `last`, both included, by the same rule.
    void removeRun(Cell* first, Cell* last) {
        Cell* after = last->next;
        freeCells(first->next, after);
        first->next = after;
        removeCell(first);
    }

    bool removeBeforeCell(Cell* cell) {
        if (cell == tail) return false;
        freeCells(head, cell);
        head = cell;
        return true;
    }

    bool removeAfterCell(Cell* cell) {
        if (cell == tail) return false;
        freeCells(cell->next, tail);
        cell->next = tail;
        return true;
    }

    // Frees the cells from `from` up to, not including, `stop`.
    static void freeCells(Cell* from, Cell* stop) {
        while (from != stop) {
            Cell* next = from->next;
            delete from;
            from = next;
        }
    }

    Cell* head;
    Cell* tail;
};

} // namespace ZUM

#include "base/LinkIterator.h"
