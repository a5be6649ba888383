#pragma once

#include "base/Object.h"

namespace ZUM {

// A cursor over a container. A new iterator stands on the first element; the
// usual loop calls next() until it answers null. Iterators are heap objects
// handed to the caller, who deletes them.
//
// Removing from a container invalidates an iterator whose cursor stands on
// the removed cell: a LinkList frees the cell after the removed element's
// (its element moves up), which is where the cursor stands just after next()
// returned the removed element; an NDLinkList iterator on a removed element
// ends. To remove while walking, take the following element first, as in
//     for (T* e = list.first(); e;) {
//         T* following = list.nextOf(e);
//         if (unwanted(e)) list.remove(e);
//         e = following;
//     }
template <class T>
class Iterator : public Object {
public:
    virtual ~Iterator() = default;

    // The element at the cursor, null at the end; the cursor stays.
    virtual T* current() const = 0;
    // The element at the cursor, then the cursor moves forward.
    virtual T* next() = 0;
    // The element at the cursor, then the cursor moves back; from the first
    // element it goes to the end, and at the end it stays there.
    virtual T* previous() = 0;
    virtual T* toFirst() = 0;
    virtual T* toLast() = 0;
    virtual bool hasCurrent() const = 0;
    // 1-based position of the cursor's element, 0 at the end.
    virtual int position() const = 0;
    virtual bool atEnd() const { return !hasCurrent(); }
};

} // namespace ZUM
