#pragma once

#include "base/Object.h"
#include "base/TString.h"

namespace ZUM {

class Node;

// A position record held outside a node that refers into it: the node and its
// value, plus an offset into that value. The node clears both references when
// it dies, so the holder can tell that its position went away.
struct BufferPointer : public Object {
    Node* node = nullptr;
    Utf16String* text = nullptr;
    u32 offset = 0;
};

} // namespace ZUM
