#pragma once

#include <cstdint>

namespace ZUM {

// The document model's one failure: a child-list operation that the list
// refuses, numbered as in DOM Level 1. Plain data, thrown by value.
class DOMException {
public:
    enum Code : std::uint16_t { NotFoundErr = 8 };

    std::uint16_t code;
};

} // namespace ZUM
