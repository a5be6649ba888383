#pragma once

#include "base/List.h"

#include <memory>
#include <utility>

namespace ZUM {

// A list that forwards every operation to an inner list it owns; destroying
// the proxy destroys the inner list with whatever that list owns.
template <class T>
class ListProxy : public List<T> {
public:
    // `inner` must not be null.
    explicit ListProxy(std::unique_ptr<List<T>> inner) : inner(inner.release()), ownsInner(true) {}
    ~ListProxy() override {
        if (ownsInner) delete inner;
    }

    bool isEmpty() const override { return inner->isEmpty(); }
    int count() const override { return inner->count(); }
    bool add(T* element) override { return inner->add(element); }
    bool remove(T* element) override { return inner->remove(element); }
    void clear() override { inner->clear(); }
    bool contains(T* element) const override { return inner->contains(element); }
    Iterator<T>* iterator() const override { return inner->iterator(); }

    T* get(int index) const override { return inner->get(index); }
    T* item(int position) const override {
        return position < 1 ? nullptr : inner->get(position - 1);
    }
    int indexOf(T* element) const override { return inner->indexOf(element); }
    T* previousOf(T* element) const override { return inner->previousOf(element); }
    T* nextOf(T* element) const override { return inner->nextOf(element); }
    T* first() const override { return inner->first(); }
    T* last() const override { return inner->last(); }
    T* prepend(T* element) override { return inner->prepend(element); }
    T* removeFirst() override { return inner->removeFirst(); }
    T* append(T* element) override { return inner->append(element); }
    T* removeLast() override { return inner->removeLast(); }
    bool insertBefore(T* ref, T* element) override { return inner->insertBefore(ref, element); }
    bool insertAt(int position, T* element) override { return inner->insertAt(position, element); }
    bool insertAfter(T* ref, T* element) override { return inner->insertAfter(ref, element); }
    bool insertAfterPosition(int position, T* element) override {
        return inner->insertAfterPosition(position, element);
    }
    bool removeAt(int position) override { return inner->removeAt(position); }
    bool replace(T* old, T* element) override { return inner->replace(old, element); }
    bool replaceAt(int position, T* element) override {
        return inner->replaceAt(position, element);
    }
    bool swapAt(int position1, int position2) override {
        return inner->swapAt(position1, position2);
    }
    bool swap(T* a, T* b) override { return inner->swap(a, b); }
    bool removeBefore(T* element) override { return inner->removeBefore(element); }
    bool removeBeforePosition(int position) override {
        return inner->removeBeforePosition(position);
    }
    bool removeAfter(T* element) override { return inner->removeAfter(element); }
    bool removeAfterPosition(int position) override { return inner->removeAfterPosition(position); }
    bool removeRange(T* a, T* b) override { return inner->removeRange(a, b); }
    bool removeRangeAt(int position1, int position2) override {
        return inner->removeRangeAt(position1, position2);
    }

protected:
    // Forwards to a list the subclass keeps as a member of its own, which the
    // proxy does not delete: one allocation less for each proxy.
    explicit ListProxy(List<T>& kept) : inner(&kept), ownsInner(false) {}

private:
    List<T>* inner;
    bool ownsInner;
};

} // namespace ZUM
