#pragma once

#include "base/IFlow.h"
#include "base/Object.h"

namespace ZUM {

// Decides the character encoding of raw document bytes before they are
// decoded. Detectors never throw flow or parse errors: they answer an encoding
// id, or 0 when they cannot decide.
class Detector : public Object {
public:
    Detector() = default;
    Detector(const Detector&) = delete;
    Detector& operator=(const Detector&) = delete;
    virtual ~Detector() = default;

    // Reads (and may rewind once) `input`, which it does not own.
    virtual int detect(IFlow* input) = 0;
    // Back to the freshly constructed state.
    virtual bool reset() { return true; }
};

} // namespace ZUM
