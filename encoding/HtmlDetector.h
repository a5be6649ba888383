#pragma once

#include "encoding/Detector.h"

namespace ZUM {

// The encoding an HTML document declares in a content-type META element of
// its HEAD; 0 when it declares none the registry knows.
class HtmlDetector : public Detector {
public:
    int detect(IFlow* input) override;
};

} // namespace ZUM
