#pragma once

#include "base/Object.h"

namespace ZUM {

template <class T>
class NDLinkList;

// Link holders for the elements of an NDLinkList: the links live in the
// elements themselves, so linking and unlinking allocate nothing. Both links
// are null while the element is in no list; only the list writes them. A
// copied element starts detached.
class InnerListNode : public Object {};

class InnerNLinkListNode : public InnerListNode {
public:
    InnerNLinkListNode() = default;
    InnerNLinkListNode(const InnerNLinkListNode&) : InnerListNode() {}
    InnerNLinkListNode& operator=(const InnerNLinkListNode&) { return *this; }

protected:
    template <class T>
    friend class NDLinkList;

    InnerNLinkListNode* next = nullptr;
};

class InnerNDLinkListNode : public InnerNLinkListNode {
public:
    InnerNDLinkListNode() = default;
    InnerNDLinkListNode(const InnerNDLinkListNode& other) : InnerNLinkListNode(other) {}
    InnerNDLinkListNode& operator=(const InnerNDLinkListNode&) { return *this; }

protected:
    template <class T>
    friend class NDLinkList;

    InnerNDLinkListNode* previous = nullptr;
};

// The base of an element type T that lives in an NDLinkList<T>.
template <class T>
class NDLinkListNode : public InnerNDLinkListNode {
public:
    T* getNext() const { return static_cast<T*>(next); }
    T* getPrevious() const { return static_cast<T*>(previous); }
};

} // namespace ZUM
