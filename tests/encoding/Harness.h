#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/IFilter.h"
#include "encoding/CodeTable.h"

// Running converters and chains over test input.
namespace ZUM::test {

using Units = std::vector<u32>;

// A converter seen code by code: one code in, one out, or Unmapped.
using Reference = std::function<u16(u16)>;

// A code written as `bytes`: one byte, or two with the first high, with an
// ISO-2022 designation before it and the return to ASCII after it dropped.
// Unmapped for no bytes or more than two.
u16 codeOf(std::string bytes);

// A byte string as units, and back.
Units bytesOf(const std::string& bytes);
std::string stringOf(const Units& bytes);

// Every unit `filter` delivers over `input` (units of `inWidth`), read one at
// a time until the end of input, or with a `block` through the many-unit read
// in blocks of that many units. Any other failure fails the test.
Units drain(IFilter& filter, const Units& input, int inWidth, u32 block = 0);

// What `filter` delivers over `next` after reading `count` units of `started`
// and a reset, with the reset checked to succeed.
Units afterReset(IFilter& filter, const Units& started, int inWidth, int count, const Units& next);

// What a converter of class C delivers over `input`, after checking that the
// many-unit read in small and large blocks delivers the same.
template <class C>
Units convert(const Units& input, int inWidth);

// The output of `filter` when asked for the same units in every way:
// single reads, small blocks, large blocks, each with the same losses.
Units convertEveryWay(IFilter& filter, const Units& input, int inWidth);

template <class C>
Units convert(const Units& input, int inWidth) {
    C converter;
    return convertEveryWay(converter, input, inWidth);
}

// A converter of class C as a code-to-code reference: `code` goes in as one
// unit of `inWidth`, or for bytes as one byte below 0x100 and two (first high)
// above; the output as one unit, or one or two bytes, with an ISO-2022
// designation around it dropped, as codeOf reads it.
template <class C>
Reference referenceOf(int inWidth);

Reference referenceOf(std::shared_ptr<IFilter> converter, int inWidth);

template <class C>
Reference referenceOf(int inWidth) {
    return referenceOf(std::make_shared<C>(), inWidth);
}

// The bytes of the chain from `from` to `to` over `input` (native order for
// 16- and 32-bit forms), pumped by the conveyer. Fails the test when there is
// no chain or the pump throws.
std::string convertChain(int from, int to, const std::string& input);

// UTF-16 text as units, and back.
Units unitsOf(const std::u16string& text);
std::u16string textOf(const Units& units);

// UTF-16 text as the native-order bytes of its units.
std::string utf16Bytes(const std::u16string& text);

} // namespace ZUM::test
