#pragma once

#include "base/Collection.h"

namespace ZUM {

// An ordered collection. Positions are 1-based; get alone takes a 0-based
// index. A position of 0 or past the end makes an operation fail.
template <class T>
class List : public Collection<T> {
public:
    virtual T* get(int index) const = 0;
    virtual T* item(int position) const { return position < 1 ? nullptr : get(position - 1); }
    // Position of the element, 0 when absent.
    virtual int indexOf(T* element) const = 0;
    virtual T* previousOf(T* element) const = 0;
    virtual T* nextOf(T* element) const = 0;
    virtual T* first() const = 0;
    virtual T* last() const = 0;
    // The element on success, null on failure.
    virtual T* prepend(T* element) = 0;
    virtual T* removeFirst() = 0;
    // The element on success, null on failure.
    virtual T* append(T* element) = 0;
    virtual T* removeLast() = 0;
    virtual bool insertBefore(T* ref, T* element) = 0;
    virtual bool insertAt(int position, T* element) = 0;
    virtual bool insertAfter(T* ref, T* element) = 0;
    virtual bool insertAfterPosition(int position, T* element) = 0;
    virtual bool removeAt(int position) = 0;
    virtual bool replace(T* old, T* element) = 0;
    virtual bool replaceAt(int position, T* element) = 0;
    virtual bool swapAt(int position1, int position2) = 0;
    virtual bool swap(T* a, T* b) = 0;
    // Takes out every element before `element`, which becomes first.
    virtual bool removeBefore(T* element) = 0;
    virtual bool removeBeforePosition(int position) = 0;
    // Takes out every element after `element`, which becomes last.
    virtual bool removeAfter(T* element) = 0;
    virtual bool removeAfterPosition(int position) = 0;
    // Takes out the run between a and b, both included, in either order.
    virtual bool removeRange(T* a, T* b) = 0;
    virtual bool removeRangeAt(int position1, int position2) = 0;
};

} // namespace ZUM
