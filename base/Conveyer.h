#pragma once

#include "base/IFlow.h"
#include "base/OFlow.h"

namespace ZUM {

// Moves every unit of an input flow into an output flow until the input ends.
// Units move in blocks through the flows' many-unit reads and writes, which
// give what unit-by-unit reads and writes would; reading goes on until a read
// delivers nothing. The end of input flushes the destination; any other
// failure passes on unchanged, unflushed, after the units read before it went
// out, so the destination holds what it would have received unit by unit.
class Conveyer : public Object {
public:
    Conveyer(IFlow* source, OFlow* destination) : source(source), destination(destination) {}

    // In the narrowest width both flows provide; IOException 9 when they share
    // none, 6 without a source, 7 without a destination.
    void pump();
    // In bytes; IOException 9 unless both flows provide them.
    void pumpBytes();

    IFlow* source;
    OFlow* destination;

private:
    void requireBoth() const;
    template <typename U>
    void move();
};

} // namespace ZUM
