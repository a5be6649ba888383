#pragma once

#include <cstdint>
#include <type_traits>

namespace ZUM {

// Code units of the three widths the strings, flows and filters work in.
using u8 = std::uint8_t;
using u16 = std::uint16_t;
using u32 = std::uint32_t;
using u64 = std::uint64_t;

// Unit-width masks: which widths a flow delivers or accepts.
enum : int { Width8 = 1, Width16 = 2, Width32 = 4, WidthAny = 7 };

// The width mask of a unit type.
template <typename T>
constexpr int widthOf() {
    return sizeof(T) == 1 ? Width8 : sizeof(T) == 2 ? Width16 : Width32;
}

// The unit a flow reads or writes for units of T's width. Strings of 8-bit units
// hold char; flows move them as u8.
template <typename T>
using FlowUnit =
    std::conditional_t<sizeof(T) == 1, u8, std::conditional_t<sizeof(T) == 2, u16, u32>>;

} // namespace ZUM
