#pragma once

#include "base/List.h"

#include <algorithm>
#include <climits>
#include <memory>
#include <vector>

namespace ZUM {

// A list with bulk operations over another collection. A range (a, b) is the
// other collection's elements at positions min(a, b) to max(a, b) in its
// iteration order. The source elements are read before this list changes, so
// `other` may be this list itself, and a bad range or target position fails
// before anything is inserted or cleared. Insertions go one element at a time
// and keep the source order; if one is refused the operation answers false
// and the elements already inserted stay.
template <class T>
class XList : public List<T> {
public:
    virtual bool appendRange(const Collection<T>& other, int a, int b) {
        std::vector<T*> elements;
        return rangeOf(other, a, b, elements) && appendEach(elements);
    }
    virtual bool appendAll(const Collection<T>& other) { return appendEach(allOf(other)); }
    virtual bool prependRange(const Collection<T>& other, int a, int b) {
        std::vector<T*> elements;
        return rangeOf(other, a, b, elements) && insertEachAfter(0, elements);
    }
    virtual bool prependAll(const Collection<T>& other) { return insertEachAfter(0, allOf(other)); }
    // The same through a pointer; a null collection fails.
    virtual bool appendRange(const Collection<T>* other, int a, int b) {
        return other && appendRange(*other, a, b);
    }
    virtual bool appendAll(const Collection<T>* other) { return other && appendAll(*other); }
    virtual bool insertRangeBefore(T* ref, const Collection<T>& other, int a, int b) {
        return insertRangeAt(this->indexOf(ref), other, a, b);
    }
    virtual bool insertRangeAt(int position, const Collection<T>& other, int a, int b) {
        return insertRangeBeside(position, 1, other, a, b);
    }
    virtual bool insertAllBefore(T* ref, const Collection<T>& other) {
        return insertAllAt(this->indexOf(ref), other);
    }
    virtual bool insertAllAt(int position, const Collection<T>& other) {
        return insertAllBeside(position, 1, other);
    }
    virtual bool insertRangeAfter(T* ref, const Collection<T>& other, int a, int b) {
        return insertRangeAfterPosition(this->indexOf(ref), other, a, b);
    }
    virtual bool insertRangeAfterPosition(int position, const Collection<T>& other, int a, int b) {
        return insertRangeBeside(position, 0, other, a, b);
    }
    virtual bool insertAllAfter(T* ref, const Collection<T>& other) {
        return insertAllAfterPosition(this->indexOf(ref), other);
    }
    virtual bool insertAllAfterPosition(int position, const Collection<T>& other) {
        return insertAllBeside(position, 0, other);
    }
    virtual bool assignRange(const Collection<T>& other, int a, int b) {
        std::vector<T*> elements;
        if (!rangeOf(other, a, b, elements)) return false;
        this->clear();
        return appendEach(elements);
    }
    virtual bool assignAll(const Collection<T>& other) {
        std::vector<T*> elements = allOf(other);
        this->clear();
        return appendEach(elements);
    }
    // Clears, then prepends each element of `other`: they end up reversed.
    virtual bool assignReversed(const Collection<T>& other) {
        std::vector<T*> elements = allOf(other);
        this->clear();
        for (T* element : elements)
            if (!this->prepend(element)) return false;
        return true;
    }
    // Stops with false at the first element that is not in this list.
    virtual bool removeRangeOf(const Collection<T>& other, int a, int b) {
        std::vector<T*> elements;
        return rangeOf(other, a, b, elements) && removeEach(elements);
    }
    virtual bool removeAllOf(const Collection<T>& other) { return removeEach(allOf(other)); }
    // Deletes every element through its own destructor, in order, and leaves
    // the list empty. Destructors call it, so it takes no memory: no iterator.
    virtual void deleteAll() {
        while (!this->isEmpty()) delete this->removeFirst();
    }

private:
    bool isPosition(int position) const { return this->item(position) != nullptr; }

    // The elements of `other` from position `from` up to `to` or its end.
    static std::vector<T*> elementsOf(const Collection<T>& other, int from, int to) {
        std::vector<T*> elements;
        std::unique_ptr<Iterator<T>> it(other.iterator());
        for (int position = 1; position <= to && it->hasCurrent(); ++position) {
            T* element = it->next();
            if (position >= from) elements.push_back(element);
        }
        return elements;
    }

    static std::vector<T*> allOf(const Collection<T>& other) {
        return elementsOf(other, 1, INT_MAX);
    }

    // False when a bound is below 1 or past the end of `other`.
    static bool rangeOf(const Collection<T>& other, int a, int b, std::vector<T*>& elements) {
        int from = std::min(a, b), to = std::max(a, b);
        if (from < 1) return false;
        elements = elementsOf(other, from, to);
        return static_cast<int>(elements.size()) == to - from + 1;
    }

    bool appendEach(const std::vector<T*>& elements) {
        for (T* element : elements)
            if (!this->append(element)) return false;
        return true;
    }

    // Inserts the elements after `position`, at the front when it is 0.
    bool insertEachAfter(int position, const std::vector<T*>& elements) {
        for (T* element : elements) {
            bool done = position == 0 ? this->prepend(element) != nullptr
                                      : this->insertAfterPosition(position, element);
            if (!done) return false;
            ++position;
        }
        return true;
    }

    // Inserts before (shift 1) or after (shift 0) the element at `position`.
    bool insertRangeBeside(int position, int shift, const Collection<T>& other, int a, int b) {
        std::vector<T*> elements;
        return isPosition(position) && rangeOf(other, a, b, elements) &&
               insertEachAfter(position - shift, elements);
    }

    bool insertAllBeside(int position, int shift, const Collection<T>& other) {
        return isPosition(position) && insertEachAfter(position - shift, allOf(other));
    }

    bool removeEach(const std::vector<T*>& elements) {
        for (T* element : elements)
            if (!this->remove(element)) return false;
        return true;
    }
};

} // namespace ZUM
