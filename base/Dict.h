#pragma once

#include "base/Set.h"

namespace ZUM {

// A set whose elements are identified by a key of type K.
template <class T, class K>
class Dict : public Set<T> {};

} // namespace ZUM
