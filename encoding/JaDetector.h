#pragma once

#include "encoding/Detector.h"

namespace ZUM {

// Guesses among ISO-2022-JP, EUC-JP, Shift_JIS and the marked Unicode forms
// from byte statistics; 0 when the input ends before the bytes tell.
class JaDetector : public Detector {
public:
    int detect(IFlow* input) override;
};

} // namespace ZUM
