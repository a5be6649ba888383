#pragma once

#include "base/List.h"
#include "base/NDLinkListIterator.h"
#include "base/NDLinkListNode.h"

#include <algorithm>

namespace ZUM {

// Intrusive doubly linked list: the links are fields of the elements, which
// derive from NDLinkListNode<T>, so an element is in at most one list at a
// time. Inserting an element that still has links (or is this list's head) is
// refused. With ownsElements set, clear, destruction and the bulk removals
// (removeBefore, removeAfter, removeRange and their positional forms) delete
// the elements they take out; single removals never do.
template <class T>
class NDLinkList : public List<T> {
public:
    explicit NDLinkList(bool ownsElements = false) : ownsElements(ownsElements) {}
    ~NDLinkList() override { clear(); }

    bool isEmpty() const override { return head == nullptr; }
    int count() const override {
        int n = 0;
        for (T* element = head; element; element = element->getNext()) ++n;
        return n;
    }
    // A null element is ignored and still counts as added.
    bool add(T* element) override { return !element || append(element); }
    bool remove(T* element) override { return contains(element) && unlink(element); }
    void clear() override {
        while (head) release(head);
    }
    bool contains(T* element) const override { return indexOf(element) != 0; }
    Iterator<T>* iterator() const override { return new NDLinkListIterator<T>(*this); }

    T* get(int index) const override {
        T* element = index < 0 ? nullptr : head;
        for (; element && index > 0; --index) element = element->getNext();
        return element;
    }
    int indexOf(T* element) const override {
        int position = 1;
        for (T* e = head; e; e = e->getNext(), ++position)
            if (e == element) return position;
        return 0;
    }
    T* previousOf(T* element) const override {
        return contains(element) ? element->getPrevious() : nullptr;
    }
    T* nextOf(T* element) const override {
        return contains(element) ? element->getNext() : nullptr;
    }
    T* first() const override { return head; }
    T* last() const override { return tail; }
    T* prepend(T* element) override { return link(element, head) ? element : nullptr; }
    T* removeFirst() override { return head ? unlink(head) : nullptr; }
    // Moves every element of `other`, in its order, to the front of this list
    // in one step, leaving `other` empty.
    void prependAll(NDLinkList& other) {
        if (!other.head || &other == this) return;
        other.tail->next = head;
        if (head)
            head->previous = other.tail;
        else
            tail = other.tail;
        head = other.head;
        other.head = other.tail = nullptr;
    }
    T* append(T* element) override { return link(element, nullptr) ? element : nullptr; }
    T* removeLast() override { return tail ? unlink(tail) : nullptr; }
    bool insertBefore(T* ref, T* element) override { return contains(ref) && link(element, ref); }
    bool insertAt(int position, T* element) override {
        T* ref = this->item(position);
        return ref && link(element, ref);
    }
    bool insertAfter(T* ref, T* element) override {
        return contains(ref) && link(element, ref->getNext());
    }
    bool insertAfterPosition(int position, T* element) override {
        T* ref = this->item(position);
        return ref && link(element, ref->getNext());
    }
    bool removeAt(int position) override {
        T* element = this->item(position);
        return element && unlink(element);
    }
    bool replace(T* old, T* element) override { return contains(old) && substitute(old, element); }
    bool replaceAt(int position, T* element) override {
        T* old = this->item(position);
        return old && substitute(old, element);
    }
    bool swapAt(int position1, int position2) override {
        T* a = this->item(position1);
        T* b = this->item(position2);
        return a && b && exchange(a, b);
    }
    bool swap(T* a, T* b) override { return contains(a) && contains(b) && exchange(a, b); }
    // An absent element fails and leaves the list as it was.
    bool removeBefore(T* element) override { return contains(element) && releaseBefore(element); }
    bool removeBeforePosition(int position) override {
        T* element = this->item(position);
        return element && releaseBefore(element);
    }
    bool removeAfter(T* element) override { return contains(element) && releaseAfter(element); }
    bool removeAfterPosition(int position) override {
        T* element = this->item(position);
        return element && releaseAfter(element);
    }
    bool removeRange(T* a, T* b) override {
        int positionA = indexOf(a), positionB = indexOf(b);
        if (!positionA || !positionB) return false;
        return positionA <= positionB ? releaseRun(a, b) : releaseRun(b, a);
    }
    bool removeRangeAt(int position1, int position2) override {
        T* first = this->item(std::min(position1, position2));
        T* last = this->item(std::max(position1, position2));
        return first && last && releaseRun(first, last);
    }

private:
    bool isLinked(T* element) const {
        return element->getNext() || element->getPrevious() || element == head;
    }

    // Links a detached element before `before`, at the end when that is null.
    bool link(T* element, T* before) {
        if (!element || isLinked(element)) return false;
        T* after = before ? before->getPrevious() : tail;
        element->previous = after;
        element->next = before;
        if (after)
            after->next = element;
        else
            head = element;
        if (before)
            before->previous = element;
        else
            tail = element;
        return true;
    }

    T* unlink(T* element) {
        T* before = element->getPrevious();
        T* after = element->getNext();
        if (before)
            before->next = after;
        else
            head = after;
        if (after)
            after->previous = before;
        else
            tail = before;
        element->next = nullptr;
        element->previous = nullptr;
        return element;
    }

    // Takes an element out of a bulk removal or clear: deleted when owned.
    void release(T* element) {
        unlink(element);
        if (ownsElements) delete element;
    }

    bool substitute(T* old, T* element) {
        if (old == element) return true;
        if (!element || isLinked(element)) return false;
        T* after = old->getNext();
        unlink(old);
        return link(element, after);
    }

    bool exchange(T* a, T* b) {
        if (a == b) return true;
        T* afterA = a->getNext();
        T* afterB = b->getNext();
        if (afterA == b) return link(unlink(b), a);
        if (afterB == a) return link(unlink(a), b);
        unlink(a);
        unlink(b);
        return link(a, afterB) && link(b, afterA);
    }

    bool releaseBefore(T* element) {
        while (head != element) release(head);
        return true;
    }

    bool releaseAfter(T* element) {
        while (T* after = element->getNext()) release(after);
        return true;
    }

    bool releaseRun(T* first, T* last) {
        T* stop = last->getNext();
        while (first != stop) {
            T* next = first->getNext();
            release(first);
            first = next;
        }
        return true;
    }

    T* head = nullptr;
    bool ownsElements;
    T* tail = nullptr;
};

} // namespace ZUM
