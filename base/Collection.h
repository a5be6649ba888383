#pragma once

#include "base/Iterator.h"
#include "base/Object.h"

namespace ZUM {

// Root interface of the containers. Elements are held by pointer, so every
// instantiation runs the same code; taking an element out never deletes it.
// Operations report failure by false or null, never by throwing (allocation
// failure aside).
template <class T>
class Collection : public Object {
public:
    Collection() = default;
    Collection(const Collection&) = delete;
    Collection& operator=(const Collection&) = delete;
    virtual ~Collection() = default;

    virtual bool isEmpty() const = 0;
    // Walks the container each time; isEmpty is the cheap test.
    virtual int count() const = 0;
    virtual bool add(T* element) = 0;
    virtual bool remove(T* element) = 0;
    virtual void clear() = 0;
    virtual bool contains(T* element) const = 0;
    // A new iterator on the first element; the caller deletes it.
    virtual Iterator<T>* iterator() const = 0;
};

} // namespace ZUM
