#pragma once

#include <cstdint>

namespace ZUM {

// A failure of the XML detector's declaration reader: the step that failed
// (10, 20, 30, ...) and a static English message. Plain data, thrown by value.
struct XmlParseError {
    std::int32_t code;
    const char* message;
};

} // namespace ZUM
