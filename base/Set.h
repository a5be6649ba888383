#pragma once

#include "base/Collection.h"

namespace ZUM {

// A collection that holds at most one element of each identity.
template <class T>
class Set : public Collection<T> {};

} // namespace ZUM
